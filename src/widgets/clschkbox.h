#pragma once

#include "draw/Picture.h"
#include "widgets/WidgetBox.h"

#include <cstdint>
#include <string>

// An image check box that flips on the press, not on the release. Its icon is a strip
// of two frames: clear at x = 0, ticked at x = width.
class clschkbox {
public:
    uint8_t Chked = 0;

    // iconf is the full path of the icon.
    void init(const std::string& iconf, int16_t Wid, int16_t hei);
    void SetLocation(int16_t m_Left, int16_t m_top);
    void Draw();
    void MouseMove(int16_t X, int16_t Y);
    bool MouseDown();
    bool MouseUp();

    int16_t State() const { return state; }

private:
    WidgetBox box;
    int16_t state = 0;
    ImageHandle icon;
};
