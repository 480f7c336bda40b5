#pragma once

#include <QString>

namespace art {

// newmain.png: the game screen's background, with the command column, the
// captions of the option groups and the board whose gaps form the grid.
void writeGameScreen(const QString& outDir);

} // namespace art
