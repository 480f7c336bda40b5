#include "dialogs/OverlayPanel.h"

#include "draw/Shapes.h"
#include "game/clsGameIntf.h"
#include "shell/AppState.h"
#include "shell/Screens.h"

#include <QLinearGradient>
#include <array>

namespace {

struct Size {
    int16_t w;
    int16_t h;
};

// Panel sizes of the first three drawings after opening.
constexpr std::array<Size, 3> OpeningSizes{{{70, 40}, {140, 80}, {220, 120}}};
constexpr uint8_t OpenStep = 3;

// A dark green that is half see-through at the top of the band and opaque at its foot.
QBrush PanelBrush(int16_t top, int16_t bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor(40, 55, 40, 100));
    gradient.setColorAt(1, QColor(40, 55, 40, 255));
    gradient.setSpread(QGradient::ReflectSpread);
    return QBrush(gradient);
}

} // namespace

OverlayPanel::OverlayPanel(int16_t x, int16_t y, int16_t width, int16_t height, int16_t gradientTop,
                           int16_t gradientBottom)
    : x(x), y(y), width(width), height(height), gradientTop(gradientTop),
      gradientBottom(gradientBottom) {}

bool OverlayPanel::Open(ScreenId dialog) {
    if (App().CurrentScreen != GameScreen) return false;
    step = 0;
    App().CurrentScreen = dialog;
    brush = PanelBrush(gradientTop, gradientBottom);
    frameColor = MakeColor(128, 240, 255, 240);
    return true;
}

bool OverlayPanel::Draw() {
    GameIntf().Draw();
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
