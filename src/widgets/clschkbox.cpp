#include "widgets/clschkbox.h"

#include "draw/Drawing.h"
#include "draw/Shapes.h"

void clschkbox::init(const std::string& iconf, int16_t Wid, int16_t hei) {
    box.width = Wid;
    box.height = hei;
    icon = LoadImage(iconf);
}

void clschkbox::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

void clschkbox::Draw() {
    const DrawState& d = Drawing();
    const bool lit = state != 0 || Chked != 0;
    FillRectWith(box.left, box.top, box.width, box.height,
                 lit ? d.ButtonBrushHover[0] : d.ButtonBrushNormal[0]);
    DrawImagePart(icon, box.left, box.top, box.width, box.height, Chked * box.width, 0);
}

void clschkbox::MouseMove(int16_t X, int16_t Y) { state = Hovered(state, box.Under(X, Y)); }

bool clschkbox::MouseDown() {
    if (state == 0) return false;
    state = 2;
    Chked = static_cast<uint8_t>(1 - Chked);
    return true;
}

bool clschkbox::MouseUp() {
    if (state == 0) return false;
    state = 1;
    return true;
}
