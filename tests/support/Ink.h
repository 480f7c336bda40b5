#pragma once

#include "draw/Drawing.h"
#include "draw/Graphics.h"
#include "draw/Text.h"

#include <QRect>
#include <QRgb>

// The pixels of the drawing surface inside `area` that pass a test: how many, and the
// smallest rectangle holding them.
template <typename Test> int CountPixels(const QRect& area, Test passes) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += passes(Drawing().SpeedBuffer.pixel(x, y)) ? 1 : 0;
    return count;
}

template <typename Test> QRect InkBox(const QRect& area, Test passes) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (passes(Drawing().SpeedBuffer.pixel(x, y))) box |= QRect(x, y, 1, 1);
    return box;
}

// Texts and outlines are the only white on the screens; the rain, panels and frames are
// green or half see-through, so white pixels tell whether text was drawn.
inline bool IsWhite(QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; }
inline int WhitePixels(const QRect& area) { return CountPixels(area, IsWhite); }

// Whether the surface shows text at (x, y) in the font selected last, within width pixels:
// the white core of a glyph stays white over any dark background, so the area's white
// pixels must be exactly those of the same text drawn alone on black.
inline bool ShowsText(int x, int y, int width, const QString& text) {
    QImage alone = MakeSurface(800, 608);
    alone.fill(qRgb(0, 0, 0));
    {
        Graphics graphics(alone);
        SetDrawTarget(graphics);
        DrawText(static_cast<int16_t>(x), static_cast<int16_t>(y), text);
        RestoreDrawTarget();
    }
    int ink = 0;
    for (int py = y; py < y + 24; ++py) {
        for (int px = x; px < x + width; ++px) {
            const bool expected = IsWhite(alone.pixel(px, py));
            if (expected != IsWhite(Drawing().SpeedBuffer.pixel(px, py))) return false;
            ink += expected ? 1 : 0;
        }
    }
    return ink > 0;
}
