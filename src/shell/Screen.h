#pragma once

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
    // The confirm dialog answers with the button released (1 or 2); others with 0.
    virtual int16_t MouseUp() { return 0; }
};
