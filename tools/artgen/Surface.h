#pragma once

#include <QString>

namespace art {

// surf/sea/222.bmp: a strip of 58 x 58 pictures: the pause sign, the win
// star (both on the colour key) and the flash laid over a clashing cell.
void writeSurface(const QString& outDir);

} // namespace art
