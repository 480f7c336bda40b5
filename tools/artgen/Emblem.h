#pragma once

#include <QString>

namespace art {

// resd.cng (the credits picture, a PNG despite its name) and icon.png (the
// window icon): the game's emblem, a lit three-by-three box.
void writeEmblem(const QString& outDir);

} // namespace art
