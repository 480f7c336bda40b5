#pragma once

#include "draw/Rect.h"

#include <QRect>

#include <cstdint>

// Where a widget stands. Its hit area is fixed when it is placed, from the size it has
// then; a widget that grows later still reacts only within the old area.
struct WidgetBox {
    int16_t width = 0;
    int16_t height = 0;
    int16_t left = 0;
    int16_t top = 0;
    Rect hit;

    void Place(int16_t m_Left, int16_t m_top) {
        left = m_Left;
        top = m_top;
        hit = {left, top, left + width, top + height};
    }

    bool Under(int16_t x, int16_t y) const { return PointInRect(x, y, hit); }
    // Where the widget draws.
    QRect Area() const { return {left, top, width, height}; }
};

// The pointer rule the widgets share (0 normal, 1 hover, 2 pressed): off the widget it
// rests; on it a resting widget is hovered and a pressed one stays pressed.
inline int16_t Hovered(int16_t state, bool inside) {
    if (!inside) return 0;
    return state == 0 ? 1 : state;
}
