#pragma once

#include <QImage>
#include <QString>

namespace art {

// The pop-up number pad: its panel (npad.png) and the pictures of its
// eraser (55.bmp), hint (hint.png) and pencil switch (pencil.png) buttons.
void writeNumberPad(const QString& outDir);

// The pad's panel, 180 x 200, without its buttons.
QImage padPanel();

} // namespace art
