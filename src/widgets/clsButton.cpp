#include "widgets/clsButton.h"

#include "draw/Drawing.h"
#include "draw/Shapes.h"
#include "draw/Text.h"

#include <cmath>

namespace {

// Captions are centred on an estimate of 11 pixels per character.
constexpr int CharWidth = 11;
constexpr int CaptionHeight = 18;

} // namespace

void clsButton::init(const QString& text, int16_t Wid, int16_t hei, uint8_t colorp) {
    caption = text;
    box.width = Wid;
    box.height = hei;
    palette = colorp;
    enabled = true;
    state = 0;
}

void clsButton::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

void clsButton::Draw() {
    const int estimate = CharWidth * static_cast<int>(caption.size());
    // lrint rounds a half to the even neighbour, as the layout expects.
    const auto dx = static_cast<int>(std::lrint((box.width - estimate) / 2.0));
    const auto dy = static_cast<int>(std::lrint((box.height - CaptionHeight) / 2.0));
    // A caption wider than the button widens it for good; the hit area stays as placed.
    if (box.width < estimate + 10) box.width = static_cast<int16_t>(estimate + 10);
    if (!ReachesFrame(box.Area())) return;

    const DrawState& d = Drawing();
    const QBrush& brush = !enabled     ? d.ButtonBrushDisabled[palette]
                          : state != 0 ? d.ButtonBrushHover[palette]
                                       : d.ButtonBrushNormal[palette];
    FillRectWith(box.left, box.top, box.width, box.height, brush);
    SetFont(QStringLiteral("Arial Black"), 11, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(static_cast<int16_t>(box.left + dx), static_cast<int16_t>(box.top + dy), caption);
}

void clsButton::MouseMove(int16_t X, int16_t Y) {
    if (!enabled) return;
    state = Hovered(state, box.Under(X, Y));
}

void clsButton::MouseDown() {
    if (enabled && state != 0) state = 2;
}

bool clsButton::MouseUp() {
    if (!enabled || state == 0) return false;
    state = 1;
    return true;
}
