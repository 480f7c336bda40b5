#pragma once

#include <QImage>

namespace art {

// A dark night with a green haze and faint falling digits, shared by the
// game screen so it matches the title screen's digit rain.
QImage backdrop(int width, int height, unsigned seed);

} // namespace art
