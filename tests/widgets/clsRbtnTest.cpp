#include "widgets/clsRbtn.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

namespace {

class RbtnTest : public AppFixture {
protected:
    static clsRbtn Make(const QString& caption, int16_t w, int16_t h = 18, uint8_t palette = 1) {
        clsRbtn r;
        r.init(caption, w, h, palette);
        r.SetLocation(100, 100);
        return r;
    }

    // Columns of opaque white along one row, starting at x.
    static int WhiteRun(int x, int y) {
        int n = 0;
        while (Pixel(x + n, y) == qRgb(255, 255, 255))
            ++n;
        return n;
    }
};

TEST_F(RbtnTest, PressSelectsOnlyUnderThePointerAndNeverClears) {
    clsRbtn r = Make("ON", 53);
    r.MouseMove(100, 110);
    r.MouseDown();
    EXPECT_EQ(r.Chked, 0) << "left edge is outside";
    EXPECT_FALSE(r.MouseUp());

    r.MouseMove(101, 110);
    r.MouseDown();
    EXPECT_EQ(r.Chked, 1);
    EXPECT_EQ(r.State(), 2);
    r.MouseMove(120, 112);
    EXPECT_EQ(r.State(), 2) << "stays pressed while inside";
    EXPECT_TRUE(r.MouseUp());
    EXPECT_EQ(r.State(), 1);

    r.MouseDown();
    EXPECT_EQ(r.Chked, 1) << "a second press keeps it selected";
    r.MouseMove(10, 10);
    EXPECT_EQ(r.State(), 0);
    EXPECT_FALSE(r.MouseUp());
    EXPECT_EQ(r.Chked, 1);

    r.init("OFF", 53, 18);
    EXPECT_EQ(r.Chked, 0) << "init clears the selection";
}

TEST_F(RbtnTest, SelectionBarIsNarrowOnNarrowButtons) {
    for (const auto& [width, bar] : {std::pair{53, 6}, {60, 6}, {61, 10}, {170, 10}}) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        clsRbtn r = Make("X", static_cast<int16_t>(width), 30);
        r.Chked = 1;
        r.Draw();
        EXPECT_EQ(WhiteRun(103, 110), bar) << "width " << width;
        EXPECT_EQ(WhiteRun(103, 126), bar) << "bar is height - 6 high";
        EXPECT_NE(Pixel(104, 127), qRgb(255, 255, 255));
    }
}

TEST_F(RbtnTest, OutlineAlwaysAndLitFillWhenHoveredOrSelected) {
    clsRbtn r = Make("", 53, 18, 0);
    auto fillAt = [&r] {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        r.Draw();
        return Pixel(140, 110);
    };
    const QRgb resting = fillAt();
    EXPECT_EQ(Pixel(100, 110), qRgb(255, 255, 255));
    EXPECT_EQ(Pixel(153, 110), qRgb(255, 255, 255));
    r.MouseMove(120, 110);
    const QRgb hover = fillAt();
    EXPECT_GT(qGreen(hover), qGreen(resting));
    r.MouseMove(10, 10);
    r.Chked = 1;
    EXPECT_EQ(fillAt(), hover);
}

} // namespace
