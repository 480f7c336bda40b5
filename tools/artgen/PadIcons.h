#pragma once

#include <QColor>
#include <QImage>

namespace art {

// The colour of a resting pad button: translucent green over the dark pad.
inline const QColor kButtonGreen(8, 112, 24);

// 40 x 40 eraser picture, transparent around it.
QImage eraserIcon();
// 40 x 40 light bulb, with a dark badge in the corner where the game
// writes the number of hints left.
QImage hintIcon();
// 80 x 40: the pencil switch off (left) and on (right).
QImage pencilSwitch();

} // namespace art
