#pragma once

#include <QString>

namespace art {

// block1.png .. block9.png: the cell shades of the regions, and bf.png: the
// light laid over the row, column and region under the pointer.
void writeBlocks(const QString& outDir);

} // namespace art
