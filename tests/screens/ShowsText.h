#pragma once

#include "draw/Drawing.h"
#include "draw/Graphics.h"
#include "draw/Text.h"

#include <QRect>
#include <QRgb>

// Whether the surface shows text at (x, y) in the font selected last, within width pixels.
// The white core of a glyph stays white over any dark background, so the area's white
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
    auto white = [](QRgb p) { return qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240; };
    const QImage& shown = Drawing().SpeedBuffer;
    int ink = 0;
    for (int py = y; py < y + 24; ++py) {
        for (int px = x; px < x + width; ++px) {
            const bool expected = white(alone.pixel(px, py));
            if (expected != white(shown.pixel(px, py))) return false;
            ink += expected ? 1 : 0;
        }
    }
    return ink > 0;
}
