#pragma once

#include <QString>

namespace art {

// ln.png and ln1.png: the green scan line that sweeps down the board, with
// its trail above, and back up, with its trail below.
void writeScanLines(const QString& outDir);

} // namespace art
