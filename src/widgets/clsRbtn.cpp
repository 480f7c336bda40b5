#include "widgets/clsRbtn.h"

#include "draw/Drawing.h"
#include "draw/Shapes.h"
#include "draw/Text.h"

#include <cmath>

namespace {

// Captions are centred on an estimate of 10 pixels per character.
constexpr int CharWidth = 10;
constexpr int CaptionHeight = 18;

// Narrow boxes get a narrower selection bar so the caption keeps its room.
int16_t BarWidth(int16_t width) { return width <= 60 ? 6 : 10; }

} // namespace

void clsRbtn::init(const QString& text, int16_t Wid, int16_t hei, uint8_t colorp) {
    caption = text;
    box.width = Wid;
    box.height = hei;
    colP = colorp;
    Chked = 0;
    state = 0;
}

void clsRbtn::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

void clsRbtn::Draw() {
    if (!ReachesFrame(box.Area())) return;
    // lrint rounds a half to the even neighbour, as the layout expects.
    const auto dx = static_cast<int>(
        std::lrint((box.width - CharWidth * static_cast<int>(caption.size())) / 2.0));
    const auto dy = static_cast<int>(std::lrint((box.height - CaptionHeight) / 2.0));

    const DrawState& d = Drawing();
    const bool lit = state != 0 || Chked != 0;
    FillRectWith(box.left, box.top, box.width, box.height,
                 lit ? d.ButtonBrushHover[colP] : d.ButtonBrushNormal[colP]);
    DrawRectOutline(box.left, box.top, box.width, box.height, MakeColor(255, 255, 255, 255), 1);
    if (Chked != 0) {
        FillRectWith(box.left + 3, box.top + 3, BarWidth(box.width),
                     static_cast<int16_t>(box.height - 6), MakeSolidBrush(255, 255, 255, 255));
    }
    SetFont(QStringLiteral("Arial Black"), 10, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(static_cast<int16_t>(box.left + dx), static_cast<int16_t>(box.top + dy), caption);
}

void clsRbtn::MouseMove(int16_t X, int16_t Y) { state = Hovered(state, box.Under(X, Y)); }

void clsRbtn::MouseDown() {
    if (state == 0) return;
    state = 2;
    Chked = 1;
}

bool clsRbtn::MouseUp() {
    if (state == 0) return false;
    state = 1;
    return true;
}
