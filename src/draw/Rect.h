#pragma once

#include <cstdint>

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Strictly inside: a point on any edge line is outside.
inline bool PointInRect(int16_t x, int16_t y, const Rect& r) {
    return r.left < x && x < r.right && r.top < y && y < r.bottom;
}
