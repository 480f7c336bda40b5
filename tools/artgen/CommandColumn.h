#pragma once

class QPainter;

namespace art {

// The left column of the game screen: the clock window, the faces of the
// seven command buttons (the game draws only their captions and hover
// light on this screen) and the four captioned option groups.
void paintCommandColumn(QPainter& p);

} // namespace art
