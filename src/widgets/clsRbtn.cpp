#include "widgets/clsRbtn.h"

#include "draw/Drawing.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "engine/Random.h"

namespace {

// Captions are centred on an estimate of 10 pixels per character.
constexpr int CharWidth = 10;
constexpr int CaptionHeight = 18;

// Narrow boxes get a narrower selection bar so the caption keeps its room.
int16_t BarWidth(int16_t width) { return width <= 60 ? 6 : 10; }

} // namespace

void clsRbtn::init(const QString& text, int16_t Wid, int16_t hei, uint8_t colorp) {
    caption = text;
    width = Wid;
    height = hei;
    colP = colorp;
    Chked = 0;
}

void clsRbtn::SetLocation(int16_t m_Left, int16_t m_top) {
    left = m_Left;
    top = m_top;
    hit = {left, top, left + width, top + height};
}

void clsRbtn::Draw() {
    const int dx = RoundHalfEven((width - CharWidth * static_cast<int>(caption.size())) / 2.0);
    const int dy = RoundHalfEven((height - CaptionHeight) / 2.0);

    const DrawState& d = Drawing();
    const bool lit = state != 0 || Chked != 0;
    FillRectWith(left, top, width, height,
                 lit ? d.ButtonBrushHover[colP] : d.ButtonBrushNormal[colP]);
    DrawRectOutline(left, top, width, height, MakeColor(255, 255, 255, 255), 1);
    if (Chked != 0) {
        FillRectWith(left + 3, top + 3, BarWidth(width), static_cast<int16_t>(height - 6),
                     MakeSolidBrush(255, 255, 255, 255));
    }
    SetFont(QStringLiteral("Arial Black"), 10, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(static_cast<int16_t>(left + dx), static_cast<int16_t>(top + dy), caption);
}

void clsRbtn::MouseMove(int16_t X, int16_t Y) {
    if (!PointInRect(X, Y, hit)) {
        state = 0;
    } else if (state == 0) {
        state = 1;
    }
}

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
