#include "draw/Drawing.h"
#include "support/AppFixture.h"
#include "support/Joined.h"
#include "widgets/clsButton.h"
#include "widgets/clsMyBtn.h"
#include "widgets/clsNBtn.h"
#include "widgets/clsRbtn.h"
#include "widgets/clschkbox.h"

#include <functional>
#include <tuple>
#include <utility>

namespace {

using HitArea = AppFixture;

// Every widget reacts to the pointer only strictly inside its box: each edge line is outside.
TEST_F(HitArea, EveryWidgetHoversOnlyStrictlyInsideItsBox) {
    clsButton button = Placed<clsButton>("OK", 40, 40);
    clsMyBtn cell = Placed<clsMyBtn>(40, 40, 0, 1, true);
    clsRbtn radio = Placed<clsRbtn>("X", 40, 40);
    clschkbox box = Placed<clschkbox>("", 40, 40);
    clsNBtn pad = Placed<clsNBtn>("", 40, 40, 1);
    pad.Enable = true;
    const std::pair<const char*, std::function<bool(int16_t, int16_t)>> widgets[] = {
        {"button",
         [&](int16_t x, int16_t y) { return button.MouseMove(x, y), button.State() == 1; }},
        {"cell", [&](int16_t x, int16_t y) { return cell.MouseMove(x, y); }},
        {"radio", [&](int16_t x, int16_t y) { return radio.MouseMove(x, y), radio.State() == 1; }},
        {"check box", [&](int16_t x, int16_t y) { return box.MouseMove(x, y), box.State() == 1; }},
        {"pad button", [&](int16_t x, int16_t y) { return pad.MouseMove(x, y), pad.States == 1; }},
    };
    const std::tuple<int16_t, int16_t, bool> points[] = {
        {100, 120, false}, {140, 120, false}, {120, 100, false}, {120, 140, false},
        {101, 101, true},  {139, 139, true},  {120, 120, true}};
    for (const auto& [name, hovers] : widgets) {
        for (const auto& [x, y, inside] : points)
            EXPECT_EQ(hovers(x, y), inside) << name << " " << x << "," << y;
    }
}

using WidgetLook = AppFixture;

// The pencil's check box is lit while the pointer is over it and while it is ticked.
TEST_F(WidgetLook, ACheckBoxIsLitWhileHoveredOrTicked) {
    clschkbox box = Placed<clschkbox>("", 40, 40);
    const auto shown = [&box] {
        return Drawing().SpeedBuffer.fill(0), box.Draw(), Pixel(120, 120);
    };
    const QRgb rest = shown();
    box.MouseMove(120, 120);
    const QRgb lit = shown();
    box.MouseMove(10, 10);
    EXPECT_EQ(shown(), rest);
    box.Chked = 1;
    EXPECT_TRUE(lit != rest && shown() == lit);
}

// A ticked radio's white bar stays inside the radio's outline.
TEST_F(WidgetLook, ATickedRadiosBarStaysInsideItsBox) {
    clsRbtn radio = Placed<clsRbtn>("", 40, 40);
    radio.Chked = 1;
    Drawing().SpeedBuffer.fill(0), radio.Draw();
    EXPECT_EQ(Joined(Pixel(104, 136), Pixel(104, 145)), Joined(qRgb(255, 255, 255), QRgb{0}));
}

} // namespace
