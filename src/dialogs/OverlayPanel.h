#pragma once

#include "common/ScreenId.h"
#include "draw/Color.h"
#include "draw/Rect.h"

#include <QBrush>
#include <cstdint>

// The panel that every overlay dialog draws over the live screen it opened over: it grows
// from its top-left corner over three drawings, then stands at full size with its contents.
class OverlayPanel {
public:
    // gradientTop and gradientBottom bound the band in which the panel turns opaque.
    OverlayPanel(int16_t x, int16_t y, int16_t width, int16_t height, int16_t gradientTop,
                 int16_t gradientBottom);

    // Starts the opening over a screen.
    void Open(ScreenId over);
    // The screen beneath, then the panel; true when the panel is fully open and its owner
    // should draw the contents.
    bool Draw();
    ScreenId Beneath() const { return beneath; }

    Color FrameColor() const { return frameColor; }
    // How far the opening has gone; it stands at full size from step 3 on.
    uint8_t Step() const { return step; }
    // The rectangle covered by the last drawing.
    Rect Drawn() const { return drawn; }

private:
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
    int16_t gradientTop;
    int16_t gradientBottom;
    ScreenId beneath = GameScreen;
    uint8_t step = 0;
    QBrush brush;
    Color frameColor = 0;
    Rect drawn;
};
