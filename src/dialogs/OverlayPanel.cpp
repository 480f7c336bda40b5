#include "dialogs/OverlayPanel.h"

#include "common/Navigation.h"
#include "common/Screen.h"
#include "draw/Shapes.h"

#include <array>

namespace {

struct Size {
    int16_t w;
    int16_t h;
};

// Panel sizes of the first three drawings after opening.
constexpr std::array<Size, 3> OpeningSizes{{{70, 40}, {140, 80}, {220, 120}}};
constexpr uint8_t OpenStep = 3;

} // namespace

OverlayPanel::OverlayPanel(int16_t x, int16_t y, int16_t width, int16_t height, int16_t gradientTop,
                           int16_t gradientBottom)
    : x(x), y(y), width(width), height(height), gradientTop(gradientTop),
      gradientBottom(gradientBottom) {}

void OverlayPanel::Open(ScreenId over) {
    beneath = over;
    step = 0;
    brush = MakePanelBrush(gradientTop, gradientBottom);
    frameColor = MakeColor(128, 240, 255, 240);
}

bool OverlayPanel::Draw() {
    Navigator().ScreenOf(beneath).Draw();
    const bool open = step == OpenStep;
    const Size size = open ? Size{width, height} : OpeningSizes[step];
    if (!open) step += 1;

    FillRectWith(x, y, size.w, size.h, brush);
    const auto right = static_cast<float>(x + size.w);
    const auto bottom = static_cast<float>(y + size.h);
    DrawLine(frameColor, 1, x, y, right, y);
    DrawLine(frameColor, 1, x, y, x, bottom);
    DrawLine(frameColor, 1, x, bottom, right, bottom);
    DrawLine(frameColor, 1, right, y, right, bottom);
    drawn = {x, y, x + size.w, y + size.h};
    return open;
}
