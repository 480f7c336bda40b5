#pragma once

#include "draw/Drawing.h"

#include <QRect>
#include <QRgb>

// Texts and outlines are the only white on these screens; the rain, panels and frames
// are green or half see-through. Counting white pixels tells whether text was drawn.
inline int WhitePixels(const QRect& area) {
    const QImage& buffer = Drawing().SpeedBuffer;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = buffer.pixel(x, y);
            if (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240) ++count;
        }
    }
    return count;
}
