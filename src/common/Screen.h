#pragma once

#include "common/ScreenId.h"

#include <cstdint>

// What the dispatcher needs of every screen and overlay dialog. Pointer presses and
// releases carry no position: objects act on what their last MouseMove left.
class Screen {
public:
    virtual ~Screen() = default;
    virtual void Draw() = 0;
    virtual void MouseMove(int16_t /*x*/, int16_t /*y*/) {}
    // Only the game screen looks at which button (1 left, 2 right, 4 middle).
    virtual void MouseDown(int16_t /*button*/) {}
    virtual void MouseUp() {}

    // Whether it may open over the screen that is current; the one-button dialogs open only
    // over the board.
    virtual bool CanOpenOver(ScreenId /*below*/) const { return true; }
    // Called once it is current, to set up what it shows: buttons at rest, what it tells.
    virtual void Shown(ScreenId /*below*/) {}
};
