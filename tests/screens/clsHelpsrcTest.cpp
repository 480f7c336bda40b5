#include "screens/clsHelpsrc.h"
#include "game/GameFixture.h"
#include "screens/screenMenu.h"

#include <QDir>

namespace {

constexpr int HelpX = 365, HelpY = 210;
constexpr int HowToPlayX = 92, HowToPlayY = 321;
constexpr int CloseX = 110, BackX = 540, NextX = 675, ButtonY = 549;
// Each test page is see-through but for a square in a blue that tells its number.
constexpr int MarkX = 320, MarkY = 320;

class HelpScreen : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
        App().ProgramFolder = files->path().toStdString() + "/program";
        QDir().mkpath(QString::fromStdString(App().ProgramFolder + "/res"));
        for (int i = 1; i <= 6; ++i)
            WritePage(i, i);
        Menu().init();
        Helpsrc().init();
    }

    // Page file `number` marked as page `shown`.
    static void WritePage(int number, int shown) {
        QImage page(800, 608, QImage::Format_ARGB32);
        page.fill(Qt::transparent);
        for (int y = 300; y < 340; ++y)
            for (int x = 300; x < 340; ++x)
                page.setPixel(x, y, qRgb(0, 0, 40 * shown));
        page.save(QString::fromStdString(App().ProgramFolder) +
                  QStringLiteral("/res/help%1.png").arg(number));
    }

    // The page on screen, 1 to 6, as the player sees it after a frame.
    static int ShownPage() {
        Tick();
        return qBlue(Pixel(MarkX, MarkY)) / 40;
    }
    // A greyed-out button's fill has no tint.
    static bool Grey(int x) {
        const QRgb fill = Pixel(x - 55, ButtonY - 15);
        return qRed(fill) == qGreen(fill) && qGreen(fill) == qBlue(fill);
    }
    static void Next(int times = 1) {
        for (int i = 0; i < times; ++i)
            Click(NextX, ButtonY);
    }
};

TEST_F(HelpScreen, FirstVisitShowsPageOneAndFiveNextsReachTheLastPage) {
    Click(HelpX, HelpY);
    ASSERT_EQ(App().CurrentScreen, 6);
    EXPECT_EQ(ShownPage(), 1);
    EXPECT_TRUE(Grey(BackX));
    EXPECT_FALSE(Grey(NextX));
    Click(BackX, ButtonY);
    EXPECT_EQ(ShownPage(), 1);

    Next(5);
    EXPECT_EQ(ShownPage(), 6);
    EXPECT_TRUE(Grey(NextX));
    EXPECT_FALSE(Grey(BackX));
    Next();
    EXPECT_EQ(ShownPage(), 6);
}

TEST_F(HelpScreen, BackEnablesNextAgainAndGreysOutOnPageOne) {
    Click(HelpX, HelpY);
    Next(5);
    Click(BackX, ButtonY);
    EXPECT_EQ(ShownPage(), 5);
    EXPECT_FALSE(Grey(NextX));
    for (int i = 0; i < 4; ++i)
        Click(BackX, ButtonY);
    EXPECT_EQ(ShownPage(), 1);
    EXPECT_TRUE(Grey(BackX));
    Next();
    EXPECT_EQ(ShownPage(), 2);
}

TEST_F(HelpScreen, ClosingReturnsToTheTitleAndReopeningShowsTheLastPage) {
    Click(HelpX, HelpY);
    Next(2);
    Click(CloseX, ButtonY);
    EXPECT_EQ(App().CurrentScreen, 0);
    EXPECT_FALSE(Clock().ctimer);

    Click(HelpX, HelpY);
    EXPECT_EQ(ShownPage(), 3);
    EXPECT_FALSE(Grey(BackX));
}

// The pages are large, so help reads each one when it comes on screen and keeps none
// while it is closed.
TEST_F(HelpScreen, PagesAreReadWhenTheyComeOnScreen) {
    WritePage(1, 4);
    Click(HelpX, HelpY);
    EXPECT_EQ(ShownPage(), 4);
    WritePage(2, 5);
    Next();
    EXPECT_EQ(ShownPage(), 5);
    Click(CloseX, ButtonY);

    WritePage(2, 6);
    Click(HelpX, HelpY);
    EXPECT_EQ(ShownPage(), 6);
}

TEST_F(HelpScreen, HelpFromTheGameHoldsTheClockAndReturnsToTheBoardWithItRunning) {
    StartRegular({0, 40});
    Click(HowToPlayX, HowToPlayY);
    ASSERT_EQ(App().CurrentScreen, 6);
    EXPECT_FALSE(Clock().ctimer);
    Tick(TicksPerSecond * 2);
    EXPECT_EQ(Clock().ct_s, 0);

    Click(CloseX, ButtonY);
    EXPECT_EQ(App().CurrentScreen, 2);
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);
}

// The board lets the falling digits' layer go; help over a game starts them again from
// black, twice over, and they fall.
TEST_F(HelpScreen, HelpFromTheGameShowsFallingDigitsAgain) {
    StartRegular({0, 40});
    Menu().ReleaseLayer();
    const QRect backdrop(0, 0, 200, 500); // beside the title, above the buttons
    for (int visit = 0; visit < 2; ++visit) {
        Click(HowToPlayX, HowToPlayY);
        ASSERT_EQ(App().CurrentScreen, 6);
        Tick(30);
        const QImage before = Drawing().SpeedBuffer.copy(backdrop);
        Tick(30);
        const QImage after = Drawing().SpeedBuffer.copy(backdrop);
        int moved = 0;
        int black = 0;
        for (int y = 0; y < backdrop.height(); ++y) {
            for (int x = 0; x < backdrop.width(); ++x) {
                moved += before.pixel(x, y) != after.pixel(x, y);
                black += qGray(after.pixel(x, y)) == 0;
            }
        }
        EXPECT_GT(moved, 0) << "visit " << visit;
        EXPECT_GT(black, backdrop.width() * backdrop.height() / 2) << "visit " << visit;
        Click(CloseX, ButtonY);
        Tick();
    }
}

} // namespace
