#include "widgets/clsRadios.h"

#include "draw/Shapes.h"
#include "draw/Text.h"

namespace {

// The caption straddles the top edge, which starts after an estimate of its width.
constexpr int CaptionCharWidth = 12;

} // namespace

void clsRadios::drawFrame(const QString& cap, int32_t X, int32_t Y, int16_t Wid, int16_t h) {
    BrushComFrm1 = MakePanelBrush(Y, Y + h + 50);
    FillRectWith(X, Y, Wid, h, BrushComFrm1);

    const Color edge = MakeColor(128, 240, 255, 240);
    const auto captionWidth = static_cast<float>(CaptionCharWidth * cap.size());
    const auto x = static_cast<float>(X);
    const auto y = static_cast<float>(Y);
    const float right = x + static_cast<float>(Wid);
    const float bottom = y + static_cast<float>(h);
    DrawLine(edge, 1, x + captionWidth, y, right, y);
    DrawLine(edge, 1, x, y + 6, x, bottom);
    DrawLine(edge, 1, x, bottom, right, bottom);
    DrawLine(edge, 1, right, y, right, bottom);

    SetFont(QStringLiteral("Arial Black"), 12, FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawText(static_cast<int16_t>(X), static_cast<int16_t>(Y - 12), cap);
}

void clsRadios::AddRadio(clsRbtn& obj) { radios.push_back(&obj); }

void clsRadios::MouseMove(int16_t X, int16_t Y) {
    for (clsRbtn* radio : radios)
        radio->MouseMove(X, Y);
}

// A press selects the button under the pointer and clears the previous choice in the
// same step, so the group never shows two selections.
void clsRadios::MouseDown() {
    for (size_t i = 0; i < radios.size(); ++i) {
        radios[i]->MouseDown();
        const auto index = static_cast<int16_t>(i);
        if (radios[i]->Chked == 0 || index == value) continue;
        radios[static_cast<size_t>(value)]->Chked = 0;
        value = index;
    }
}

bool clsRadios::MouseUp() {
    bool any = false;
    for (clsRbtn* radio : radios)
        any = radio->MouseUp() || any;
    return any;
}

void clsRadios::setvalue(int16_t val) {
    radios[static_cast<size_t>(value)]->Chked = 0;
    radios[static_cast<size_t>(val)]->Chked = 1;
    value = val;
}
