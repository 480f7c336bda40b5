#pragma once

#include "draw/FramePlan.h"
#include "widgets/WidgetBox.h"

#include <QString>
#include <cstdint>

// The push button of every screen and dialog. A click is a release while the pointer
// is over the enabled button, wherever the press began.
class clsButton {
public:
    void SetEnabled(bool en) { enabled = en; }
    // Back to the resting look, for a button shown again under a pointer that may be
    // anywhere by now.
    void Rest() { state = 0; }
    // Set up afresh: enabled and at rest.
    void init(const QString& caption, int16_t Wid, int16_t hei, uint8_t colorp = 0);
    void SetLocation(int16_t m_Left, int16_t m_top);
    void Draw();
    void MouseMove(int16_t X, int16_t Y);
    void MouseDown();
    bool MouseUp();

    int16_t State() const { return state; }
    // Everything that changes how the button looks once it is placed.
    uint32_t Look() const { return static_cast<uint32_t>(state) << 1 | uint32_t{enabled}; }
    // The look and where the button stands, caption included.
    PartLook Part() const { return {Look(), box.Area()}; }
    bool Enabled() const { return enabled; }
    int16_t Width() const { return box.width; }

private:
    QString caption;
    WidgetBox box;
    int16_t state = 0;
    bool enabled = true;
    uint8_t palette = 0;
};
