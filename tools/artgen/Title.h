#pragma once

#include <QString>

namespace art {

// title.png and titlel.png: the game's name, plain and lit, the same size,
// because the title screen sweeps a strip of the lit one over the plain one.
void writeTitle(const QString& outDir);

} // namespace art
