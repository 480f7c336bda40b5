#include "widgets/clsRbtn.h"
#include "draw/Drawing.h"
#include "support/AppFixture.h"

namespace {

class RbtnTest : public AppFixture {
protected:
    static clsRbtn Make(int16_t w, int16_t h = 18) {
        clsRbtn r;
        r.init("X", w, h, 1);
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
    clsRbtn r = Make(53);
    r.MouseMove(100, 110);
    r.MouseDown();
    EXPECT_EQ(r.Chked, 0) << "left edge is outside";
    EXPECT_FALSE(r.MouseUp());

    r.MouseMove(101, 110);
    r.MouseDown();
    EXPECT_EQ(r.Chked, 1);
    r.MouseMove(120, 112);
    EXPECT_EQ(r.State(), 2) << "stays pressed while inside";
    EXPECT_TRUE(r.MouseUp());
    r.MouseDown();
    EXPECT_EQ(r.Chked, 1) << "a second press keeps it selected";
    r.MouseMove(10, 10);
    EXPECT_FALSE(r.MouseUp());
    EXPECT_EQ(r.Chked, 1);

    r.init("OFF", 53, 18);
    EXPECT_EQ(r.Chked, 0) << "init clears the selection";
}

TEST_F(RbtnTest, SelectionBarIsNarrowOnNarrowButtons) {
    for (const auto& [width, bar] : {std::pair{53, 6}, {60, 6}, {61, 10}, {170, 10}}) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        clsRbtn r = Make(static_cast<int16_t>(width), 30);
        r.Chked = 1;
        r.Draw();
        EXPECT_EQ(WhiteRun(103, 110), bar) << "width " << width;
        EXPECT_EQ(WhiteRun(103, 126), bar) << "bar is height - 6 high";
        EXPECT_NE(Pixel(104, 127), qRgb(255, 255, 255));
    }
}

} // namespace
