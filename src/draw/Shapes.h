#pragma once

#include "draw/Color.h"

#include <QBrush>
#include <cstdint>

// Components are given blue, green, red, as the game's callers pass them. Colour
// components above 255 count as 255.
Color MakeColor(int alpha, int blue, int green, int red);
QBrush MakeSolidBrush(int blue, int green, int red, int alpha);

// The dark green of panels and option frames: translucent at top, opaque at bottom, and
// mirrored beyond the band.
QBrush MakePanelBrush(int32_t top, int32_t bottom);

// Gradient brushes stay anchored at the surface origin, not at the rectangle.
void FillRectWith(int32_t x, int32_t y, int16_t w, int16_t h, const QBrush& brush);
void FillRectBlack(int16_t x, int16_t y, int16_t w, int16_t h);
void DrawRectOutline(int32_t x, int32_t y, int16_t w, int16_t h, Color color, int16_t width);
void DrawLine(Color color, float width, float x1, float y1, float x2, float y2);

// The green palette's resting fill, then the pressed fill over w * fraction pixels.
void DrawProgressBar(int32_t x, int32_t y, int16_t w, int16_t h, float fraction);
