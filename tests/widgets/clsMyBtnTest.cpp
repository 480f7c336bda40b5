#include "widgets/clsMyBtn.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "support/GameFixture.h"
#include "support/Ink.h"

#include <QPainter>

namespace {

class MyBtnTest : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        // Only the third picture of the strip is red: the flash must take that one.
        QImage strip(3 * 58, 58, QImage::Format_ARGB32);
        strip.fill(Qt::green);
        QPainter(&strip).fillRect(116, 0, 58, 58, Qt::red);
        TheGameImages().Surface = std::make_shared<Picture>(strip);
    }
    void TearDown() override {
        TheGameImages() = GameImages{};
        GameFixture::TearDown();
    }

    static clsMyBtn Make(int number) { return Placed<clsMyBtn>(58, 58, number, 1, true); }

    // Draws the cell alone on a ground colour and answers one pixel.
    static QRgb Look(clsMyBtn& cell, int x = 0, int y = 0, bool pause = false,
                     QRgb ground = qRgb(0, 0, 0)) {
        Drawing().SpeedBuffer.fill(ground);
        cell.Draw(pause);
        return Pixel(x, y);
    }

    // Draws the cell and answers the bounding box of bright ink inside it.
    static QRect Ink(clsMyBtn& cell, bool pause = false) {
        Look(cell, 0, 0, pause);
        return InkBox(QRect(100, 100, 58, 58), [](QRgb p) { return qGray(p) > 150; });
    }
};

TEST_F(MyBtnTest, OnlyEditableCellsHoverAndTakeThePressAndHighlightLastsOneDraw) {
    clsMyBtn given = Make(7);
    EXPECT_FALSE(given.MouseMove(120, 120));
    EXPECT_FALSE(given.MouseDown());
    EXPECT_EQ(Look(given, 105, 105), qRgb(0, 0, 0)) << "no hover shade";

    clsMyBtn cell = Make(0);
    EXPECT_TRUE(cell.MouseMove(101, 120));
    EXPECT_TRUE(cell.MouseDown());
    EXPECT_EQ(Look(cell, 105, 105), ShadeColor(0));
    EXPECT_FALSE(Ink(cell).isValid()) << "an empty cell shows no number, even hovered";

    // The highlight lasts one draw, and a pause hides everything.
    cell = Make(5);
    cell.DrawH();
    EXPECT_EQ(Look(cell, 102, 102), FrameColor);
    EXPECT_EQ(Look(cell, 102, 102), qRgb(0, 0, 0)) << "gone in the second draw";

    cell.DrawH();
    cell.flashStep = 3;
    EXPECT_EQ(Look(cell, 102, 102, true), qRgb(0, 0, 0));
    EXPECT_FALSE(Ink(cell, true).isValid()) << "no number on a paused board";
    cell.flashStep = 0;
    EXPECT_EQ(Look(cell, 102, 102), qRgb(0, 0, 0)) << "the paused draw used up the highlight";
}

TEST_F(MyBtnTest, FlashFadesWithTheCountdown) {
    clsMyBtn cell = Make(0);
    const std::pair<int, int> steps[] = {{5, 51}, {4, 102}, {3, 153}, {2, 102}, {1, 51}, {0, 0}};
    for (const auto& [frame, red] : steps) {
        cell.flashStep = frame;
        EXPECT_NEAR(qRed(Look(cell, 130, 130)), red, 2) << "step " << frame;
    }
    cell.flashStep = 5;
    EXPECT_EQ(Look(cell, 102, 102), qRgb(0, 0, 0)) << "the flash is inset by 3 pixels";
    EXPECT_NE(Look(cell, 103, 103), qRgb(0, 0, 0));

    cell.init(58, 58, 0, 1, true);
    EXPECT_EQ(Look(cell, 130, 130), qRgb(0, 0, 0)) << "a new board starts without the flash";
}

// Entered digits are white with a shadow below right; givens are a light grey with a
// shadow above left, so the two read apart at a glance.
TEST_F(MyBtnTest, GivenAndEnteredDigitsDifferInFaceAndShadow) {
    const QRect around(95, 95, 68, 68);
    const auto face = [&around] { return InkBox(around, [](QRgb p) { return qRed(p) > 100; }); };
    const auto shadow = [&around] {
        return InkBox(around, [](QRgb p) { return qRed(p) < 60 && qBlue(p) < 170; });
    };
    clsMyBtn entered = Make(0);
    entered.SetContent(8, 0);
    Look(entered, 0, 0, false, qRgb(0, 0, 255));
    EXPECT_GT(CountPixels(around, [](QRgb p) { return p == qRgb(255, 255, 255); }), 20);
    EXPECT_GT(shadow().right(), face().right());
    EXPECT_GT(shadow().bottom(), face().bottom());

    clsMyBtn given = Make(8);
    Look(given, 0, 0, false, qRgb(0, 0, 255));
    EXPECT_EQ(CountPixels(around, [](QRgb p) { return p == qRgb(255, 255, 255); }), 0);
    EXPECT_LT(shadow().left(), face().left());
    EXPECT_LT(shadow().top(), face().top());
}

TEST_F(MyBtnTest, OneMarkIsTheDigitInSmallerTypeAndSeveralStandInThreeRows) {
    clsMyBtn cell = Make(0);
    cell.SetContent(8, DigitBit(3));
    const QRect entry = Ink(cell);
    cell.SetContent(0, DigitBit(8));
    const QRect pencil = Ink(cell);
    EXPECT_LT(pencil.height(), entry.height());
    EXPECT_NEAR(pencil.left(), entry.left(), 3) << "both start at the same place";
    EXPECT_NEAR(pencil.top(), entry.top(), 6);
    EXPECT_TRUE(cell.Enabled) << "showing a number keeps the cell editable";

    // 1 at top left and 9 at bottom right: together they span most of the cell.
    cell.SetContent(0, DigitBit(1) | DigitBit(9));
    const QRect corners = Ink(cell);
    EXPECT_TRUE(corners.contains(QRect(111, 109, 37, 39)));
    cell.SetContent(0, DigitBit(5) | DigitBit(6));
    EXPECT_GT(Ink(cell).top(), corners.top() + 12) << "4 5 6 share the middle row";
}

} // namespace
