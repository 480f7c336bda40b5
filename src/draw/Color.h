#pragma once

#include <cstdint>

// 32-bit ARGB: alpha in bits 24-31, red 16-23, green 8-15, blue 0-7.
using Color = uint32_t;

// Magenta, the colour that image parts mark as "not drawn".
inline constexpr Color TransparentKey = 0x00FF00FF;
