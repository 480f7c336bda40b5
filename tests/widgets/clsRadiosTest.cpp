#include "widgets/clsRadios.h"
#include "support/AppFixture.h"
#include "support/Joined.h"

#include <array>

namespace {

class RadiosTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        for (size_t i = 0; i < buttons.size(); ++i) {
            buttons[i].init("B", 53, 18, 1);
            buttons[i].SetLocation(static_cast<int16_t>(100 + 60 * i), 100);
        }
    }
    static void Press(clsRadios& group, int16_t x) {
        group.MouseMove(x, 110);
        group.MouseDown();
    }

    std::array<clsRbtn, 3> buttons;
};

// A press selects the button under it and clears the others, in either list order; a press
// on the selected one changes nothing but still counts, one between buttons does not.
TEST_F(RadiosTest, PressMovesTheSingleSelectionInEitherListOrder) {
    for (bool reversed : {false, true}) {
        clsRadios group;
        for (int i = 0; i < 3; ++i)
            group.AddRadio(buttons[static_cast<size_t>(reversed ? 2 - i : i)]);
        // Each button's check, then the group's value, after a press at x.
        const auto after = [&](int16_t x) {
            Press(group, x);
            return Joined(+buttons[0].Chked, +buttons[1].Chked, +buttons[2].Chked, group.value);
        };
        group.setvalue(1); // buttons[1] in either order
        EXPECT_EQ(after(110), reversed ? "1 0 0 2" : "1 0 0 0");
        EXPECT_EQ(after(230), reversed ? "0 0 1 0" : "0 0 1 2");
        EXPECT_EQ(after(230), reversed ? "0 0 1 0" : "0 0 1 2");
        EXPECT_TRUE(group.MouseUp());
        Press(group, 157);
        EXPECT_FALSE(group.MouseUp());
        for (clsRbtn& b : buttons)
            b.Chked = 0;
    }
}

TEST_F(RadiosTest, ARadioStaysSelectedUntilInitAndReleasesOnlyOverItself) {
    clsRbtn& r = buttons[0];
    r.MouseMove(101, 110);
    r.MouseDown();
    EXPECT_EQ(r.Chked, 1);
    r.MouseMove(120, 112);
    EXPECT_EQ(r.State(), 2) << "stays pressed while inside";
    EXPECT_TRUE(r.MouseUp());
    r.MouseDown();
    r.MouseMove(10, 10);
    EXPECT_FALSE(r.MouseUp());
    EXPECT_EQ(r.Chked, 1);
    r.init("OFF", 53, 18);
    EXPECT_EQ(r.Chked, 0);
}

} // namespace
