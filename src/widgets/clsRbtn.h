#pragma once

#include "draw/FramePlan.h"
#include "widgets/WidgetBox.h"

#include <QString>
#include <cstdint>

// A captioned option box; selected shows a white bar at its left. A press selects it,
// and only its group (clsRadios) ever clears it again.
class clsRbtn {
public:
    uint8_t Chked = 0;
    uint8_t colP = 0; // 0 green, 1 white palette

    void init(const QString& caption, int16_t Wid, int16_t hei, uint8_t colorp = 0);
    void SetLocation(int16_t m_Left, int16_t m_top);
    void Draw();
    void MouseMove(int16_t X, int16_t Y);
    void MouseDown();
    bool MouseUp();

    int16_t State() const { return state; }
    // Everything that changes how the box looks once it is placed.
    uint32_t Look() const { return static_cast<uint32_t>(state) << 1 | Chked; }
    PartLook Part() const { return {Look(), box.Area()}; }

private:
    QString caption;
    WidgetBox box;
    int16_t state = 0;
};
