#include "widgets/clsMyBtn.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "support/AppFixture.h"
#include "support/TestImages.h"

#include <QPainter>
#include <algorithm>

namespace {

class MyBtnTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        DrawState& d = Drawing();
        for (ImageHandle& block : d.BlockImages)
            block = SolidPicture(58, 58, Qt::darkBlue);
        d.BlockFrameImage = SolidPicture(58, 58, Qt::yellow);
        d.FlashOpacity = {0.0, 0.2, 0.4, 0.6, 0.4, 0.2};
        // Only the third picture of the strip is red: the flash must take that one.
        QImage strip(3 * 58, 58, QImage::Format_ARGB32);
        strip.fill(Qt::green);
        QPainter(&strip).fillRect(116, 0, 58, 58, Qt::red);
        TheGameImages().Surface = std::make_shared<Picture>(strip);
    }
    void TearDown() override {
        TheGameImages() = GameImages{};
        AppFixture::TearDown();
    }

    static clsMyBtn Make(int16_t number) {
        clsMyBtn cell;
        cell.init(58, 58, number, 1, true);
        cell.SetLocation(100, 100);
        return cell;
    }

    // Draws the cell alone on black and answers one pixel.
    static QRgb Look(clsMyBtn& cell, int x = 0, int y = 0, bool pause = false) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 0));
        cell.Draw(pause);
        return Pixel(x, y);
    }

    // Bounding box of bright ink inside the cell.
    static QRect Ink() {
        QRect box;
        for (int y = 100; y < 158; ++y)
            for (int x = 100; x < 158; ++x)
                if (qGray(Pixel(x, y)) > 150) box |= QRect(x, y, 1, 1);
        return box;
    }
};

TEST_F(MyBtnTest, OnlyEditableCellsHoverAndTakeThePress) {
    clsMyBtn given = Make(7);
    EXPECT_FALSE(given.MouseMove(120, 120));
    EXPECT_FALSE(given.MouseDown());
    EXPECT_EQ(Look(given, 105, 105), qRgb(0, 0, 0)) << "no hover shade";

    clsMyBtn cell = Make(0);
    EXPECT_TRUE(cell.MouseMove(101, 120));
    EXPECT_TRUE(cell.MouseDown());
    EXPECT_EQ(Look(cell, 105, 105), QColor(Qt::darkBlue).rgb());
    EXPECT_FALSE(Ink().isValid()) << "an empty cell shows no number, even hovered";
}

TEST_F(MyBtnTest, HighlightLastsOneDrawAndPauseHidesEverything) {
    clsMyBtn cell = Make(5);
    cell.DrawH();
    EXPECT_EQ(Look(cell, 102, 102), QColor(Qt::yellow).rgb());
    EXPECT_EQ(Look(cell, 102, 102), qRgb(0, 0, 0)) << "gone in the second draw";

    cell.DrawH();
    cell.flashStep = 3;
    EXPECT_EQ(Look(cell, 102, 102, true), qRgb(0, 0, 0));
    EXPECT_FALSE(Ink().isValid()) << "no number on a paused board";
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

// Entered digits are white with a half-dark shadow below right; givens are a light grey
// with a solid shadow above left, so the two read apart at a glance.
TEST_F(MyBtnTest, GivenAndEnteredDigitsDifferInFaceAndShadow) {
    // Where the pixels that pass a test lie on average, on a blue ground.
    auto centre = [](auto passes) {
        QPointF sum;
        int count = 0;
        for (int y = 95; y < 163; ++y) {
            for (int x = 95; x < 163; ++x) {
                if (!passes(Pixel(x, y))) continue;
                sum += QPointF(x, y);
                ++count;
            }
        }
        return sum / std::max(count, 1);
    };
    auto face = [](QRgb p) { return qRed(p) > 100; };
    auto shadow = [](QRgb p) { return qRed(p) < 60 && qBlue(p) < 170; };
    auto countOf = [](QRgb colour) {
        int count = 0;
        for (int y = 95; y < 163; ++y)
            for (int x = 95; x < 163; ++x)
                count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    };
    auto draw = [](clsMyBtn& cell) {
        Drawing().SpeedBuffer.fill(qRgb(0, 0, 255));
        cell.Draw();
    };

    clsMyBtn entered = Make(0);
    entered.SetContent(8, 0);
    draw(entered);
    EXPECT_GT(countOf(qRgb(255, 255, 255)), 20) << "white face";
    EXPECT_GT(countOf(qRgb(0, 0, 127)), 20) << "half-dark shadow";
    EXPECT_GT(centre(shadow).x(), centre(face).x() + 1);
    EXPECT_GT(centre(shadow).y(), centre(face).y() + 1);

    clsMyBtn given = Make(8);
    draw(given);
    EXPECT_GT(countOf(qRgb(141, 141, 141)), 20)
        << "light grey face, partly see-through, on its shadow";
    EXPECT_EQ(countOf(qRgb(255, 255, 255)), 0);
    EXPECT_LT(centre(shadow).x(), centre(face).x());
    EXPECT_LT(centre(shadow).y(), centre(face).y());
}

TEST_F(MyBtnTest, OneMarkIsTheDigitInSmallerTypeAndSeveralStandInThreeRows) {
    clsMyBtn cell = Make(0);
    cell.SetContent(8, DigitBit(3));
    Look(cell);
    const QRect entry = Ink();
    cell.SetContent(0, DigitBit(8));
    Look(cell);
    const QRect pencil = Ink();
    EXPECT_LT(pencil.height(), entry.height());
    EXPECT_NEAR(pencil.left(), entry.left(), 3) << "both start at the same place";
    EXPECT_NEAR(pencil.top(), entry.top(), 6);
    EXPECT_TRUE(cell.Enabled) << "showing a number keeps the cell editable";

    // 1 at top left and 9 at bottom right: together they span most of the cell.
    cell.SetContent(0, DigitBit(1) | DigitBit(9));
    Look(cell);
    const QRect corners = Ink();
    EXPECT_LT(corners.left() - 100, 12);
    EXPECT_GT(corners.right() - 100, 46);
    EXPECT_LT(corners.top() - 100, 10);
    EXPECT_GT(corners.bottom() - 100, 46);
    cell.SetContent(0, DigitBit(5) | DigitBit(6));
    Look(cell);
    EXPECT_GT(Ink().top(), corners.top() + 12) << "4 5 6 share the middle row";
}

} // namespace
