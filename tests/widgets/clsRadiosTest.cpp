#include "widgets/clsRadios.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

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

TEST_F(RadiosTest, PressMovesTheSingleSelectionInEitherListOrder) {
    for (bool reversed : {false, true}) {
        clsRadios group;
        for (int i = 0; i < 3; ++i)
            group.AddRadio(buttons[static_cast<size_t>(reversed ? 2 - i : i)]);
        group.setvalue(1); // buttons[1] in either order
        Press(group, 110); // buttons[0]
        EXPECT_EQ(buttons[0].Chked, 1);
        EXPECT_EQ(buttons[1].Chked, 0);
        EXPECT_EQ(group.value, reversed ? 2 : 0);

        Press(group, 230); // buttons[2]
        EXPECT_EQ(buttons[0].Chked, 0);
        EXPECT_EQ(buttons[2].Chked, 1);
        EXPECT_EQ(group.value, reversed ? 0 : 2);
        for (clsRbtn& b : buttons)
            b.Chked = 0;
    }
}

TEST_F(RadiosTest, PressingTheSelectedButtonChangesNothingButStillClicks) {
    clsRadios group;
    for (clsRbtn& b : buttons)
        group.AddRadio(b);
    group.setvalue(2);
    Press(group, 230);
    EXPECT_EQ(group.value, 2);
    EXPECT_EQ(buttons[2].Chked, 1);
    EXPECT_TRUE(group.MouseUp());
    Press(group, 157); // between two buttons
    EXPECT_EQ(group.value, 2);
    EXPECT_FALSE(group.MouseUp());
}

TEST_F(RadiosTest, FrameTopEdgeStartsAfterTheCaptionEstimate) {
    Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
    clsRadios group;
    group.drawFrame("Level", 100, 200, 200, 80);
    // 12 pixels per caption character: "Level" leaves the first 60 pixels to the caption.
    const QRgb edge = Pixel(250, 200);
    EXPECT_NE(edge, Pixel(250, 201)) << "the edge line is drawn on the panel";
    EXPECT_EQ(Pixel(160, 200), edge);
    EXPECT_NE(Pixel(159, 200), edge);
    EXPECT_NE(Pixel(300, 250), Pixel(301, 250)) << "right edge";
    EXPECT_NE(Pixel(150, 280), Pixel(150, 281)) << "bottom edge";
    EXPECT_NE(Pixel(100, 206), Pixel(101, 206));
    EXPECT_EQ(Pixel(100, 205), Pixel(101, 205)) << "left edge starts 6 below the top";
}

} // namespace
