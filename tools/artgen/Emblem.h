#pragma once

#include <QString>

namespace art {

// resd.cng (the credits picture, a PNG despite its name) and icon.png (the
// window icon): the game's emblem, a lit three-by-three box.
void writeEmblem(const QString& outDir);

// The same emblem as the desktop's menu and file icons, in the hicolor sizes:
// ICONSDIR/hicolor/NxN/apps/NAME.png.
void writeDesktopIcons(const QString& iconsDir, const QString& name);

} // namespace art
