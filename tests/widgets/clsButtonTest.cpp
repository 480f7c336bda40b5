#include "widgets/clsButton.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

namespace {

class ButtonTest : public AppFixture {
protected:
    clsButton Make(const QString& caption, int16_t w = 100, int16_t h = 40, uint8_t palette = 0) {
        clsButton b;
        b.init(caption, w, h, palette);
        b.SetLocation(100, 100);
        return b;
    }

    // Left-most column with bright caption ink inside the given rows.
    static int FirstInkColumn(int x0, int x1, int y0, int y1) {
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                if (qGray(Pixel(x, y)) > 200) return x;
        return -1;
    }
};

TEST_F(ButtonTest, HoverNeedsThePointerStrictlyInside) {
    clsButton b = Make("OK");
    b.MouseMove(100, 120);
    EXPECT_EQ(b.State(), 0) << "left edge is outside";
    b.MouseMove(150, 100);
    EXPECT_EQ(b.State(), 0) << "top edge is outside";
    b.MouseMove(200, 120);
    EXPECT_EQ(b.State(), 0) << "right coordinate is outside";
    b.MouseMove(101, 120);
    EXPECT_EQ(b.State(), 1);
    b.MouseMove(199, 139);
    EXPECT_EQ(b.State(), 1);
}

TEST_F(ButtonTest, ClickIsAReleaseOverTheButtonWhereverThePressBegan) {
    clsButton b = Make("OK");
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
}

TEST_F(ButtonTest, DisabledButtonIgnoresEverythingAndKeepsItsState) {
    clsButton b = Make("OK");
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

TEST_F(ButtonTest, DisabledLookIsGreyAndPressedLooksLikeHover) {
    clsButton b = Make("", 100, 40);
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
}

TEST_F(ButtonTest, CaptionIsCentredByEstimateWithTiesToEven) {
    // "Close" on 120: (120 - 55) / 2 = 32.5 -> 32; on 170: 57.5 -> 58. Glyph ink starts a
    // pixel or two right of the text origin, so compare the two placements.
    Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
    clsButton narrow = Make("Close", 120, 38);
    narrow.Draw();
    const int narrowInk = FirstInkColumn(100, 220, 100, 138) - 100;
    Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
    clsButton wide = Make("Close", 170, 38);
    wide.Draw();
    const int wideInk = FirstInkColumn(100, 270, 100, 138) - 100;
    EXPECT_EQ(wideInk - narrowInk, 26);
}

TEST_F(ButtonTest, LongCaptionWidensTheButtonButNotItsHitArea) {
    // The white palette's resting fill is clear, so the caption's ink looks the same
    // inside and outside the button.
    clsButton b = Make("ABCDEFGHIJKL", 100, 40, 1);
    Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
    b.Draw();
    EXPECT_EQ(b.Width(), 142);
    const int firstInk = FirstInkColumn(60, 260, 100, 140);
    EXPECT_GE(firstInk, 84) << "first draw starts 16 left of the button";
    EXPECT_LE(firstInk, 88);
    Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
    b.Draw();
    const int secondInk = FirstInkColumn(60, 260, 100, 140);
    EXPECT_EQ(secondInk - firstInk, 21) << "later draws start 5 right of the left edge";

    b.MouseMove(199, 120);
    EXPECT_EQ(b.State(), 1);
    b.MouseMove(220, 120);
    EXPECT_EQ(b.State(), 0) << "clicks count only within the first 100 pixels";
}

TEST_F(ButtonTest, GreenButtonsAtDifferentHeightsShowDifferentPhases) {
    Drawing().SpeedBuffer.fill(qRgba(0, 0, 0, 0));
    clsButton upper;
    upper.init("", 100, 10);
    upper.SetLocation(0, 120);
    clsButton lower;
    lower.init("", 100, 10);
    lower.SetLocation(200, 170);
    upper.Draw();
    lower.Draw();
    EXPECT_NE(qAlpha(Pixel(50, 121)), qAlpha(Pixel(250, 171)));
}

} // namespace
