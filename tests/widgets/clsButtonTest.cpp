#include "widgets/clsButton.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

namespace {

using ButtonTest = AppFixture;

TEST_F(ButtonTest, ClickIsAReleaseOverTheButtonWhereverThePressBeganAndNoneWhenDisabled) {
    clsButton b = Placed<clsButton>("OK", 100, 40);
    b.MouseMove(10, 10);
    b.MouseDown();
    EXPECT_EQ(b.State(), 0);
    b.MouseMove(150, 120);
    EXPECT_TRUE(b.MouseUp()) << "pressed outside, released over it";
    EXPECT_EQ(b.State(), 1);

    b.MouseDown();
    EXPECT_EQ(b.State(), 2);
    b.MouseMove(150, 125);
    EXPECT_EQ(b.State(), 2) << "stays pressed while inside";
    b.MouseMove(10, 10);
    EXPECT_EQ(b.State(), 0);
    EXPECT_FALSE(b.MouseUp()) << "pressed on it, released elsewhere";

    // Disabled, it ignores everything and keeps its state.
    b.MouseMove(150, 120);
    b.SetEnabled(false);
    b.MouseMove(10, 10);
    b.MouseDown();
    EXPECT_FALSE(b.MouseUp());
    EXPECT_EQ(b.State(), 1) << "the hover from before is kept";
    b.SetEnabled(true);
    EXPECT_TRUE(b.MouseUp()) << "hovered again at once after enabling";

    b.init("OK", 100, 40);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.State(), 0) << "set up afresh, at rest";
}

TEST_F(ButtonTest, DisabledLookIsGreyPressedLooksLikeHoverAndLongCaptionsWidenOnlyTheLook) {
    clsButton b = Placed<clsButton>("", 100, 40);
    auto look = [&b] {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        b.Draw();
        return Pixel(150, 120);
    };
    const QRgb normal = look();
    b.MouseMove(150, 120);
    const QRgb hover = look();
    b.MouseDown();
    EXPECT_EQ(look(), hover);
    EXPECT_GT(qGreen(hover), qGreen(normal));
    b.SetEnabled(false);
    const QRgb grey = look();
    EXPECT_EQ(qRed(grey), qGreen(grey));
    EXPECT_EQ(qRed(grey), qBlue(grey));

    // A caption too long for its button widens it, but the hit area stays as it was placed.
    b = Placed<clsButton>("ABCDEFGHIJKL", 100, 40, 1);
    b.Draw();
    EXPECT_GT(b.Width(), 130);
    b.MouseMove(199, 120);
    EXPECT_EQ(b.State(), 1);
    b.MouseMove(220, 120);
    EXPECT_EQ(b.State(), 0);
}

} // namespace
