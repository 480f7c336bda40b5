#include "screens/clsHelpsrc.h"
#include "screens/screenMenu.h"
#include "support/GameFixture.h"
#include "support/Ink.h"

#include <QDir>

namespace {

using namespace place;

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

    // Page file `number`, see-through but for a square in a blue that tells `shown`.
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
        return qBlue(Pixel(320, 320)) / 40;
    }
    // A greyed-out button's fill has no tint.
    static bool Grey(QPoint button) {
        const QRgb fill = Pixel(button.x() - 55, button.y() - 15);
        return qRed(fill) == qGreen(fill) && qGreen(fill) == qBlue(fill);
    }
    static void Press(QPoint button, int times = 1) {
        for (int i = 0; i < times; ++i)
            Click(button);
    }
};

// Back and Next grey out at the first and last page; help opens again on the page it
// was closed on. The pages are large, so each is read when it comes on screen and none is
// kept while help is closed.
TEST_F(HelpScreen, NextAndBackStopAtTheEndsAndPagesAreReadWhenShown) {
    WritePage(1, 4);
    Press(Help);
    ASSERT_EQ(App().CurrentScreen, 6);
    EXPECT_EQ(ShownPage(), 4);
    EXPECT_TRUE(Grey(HelpBack));
    EXPECT_FALSE(Grey(HelpNext));
    Press(HelpBack);
    EXPECT_EQ(ShownPage(), 4);
    Press(HelpNext, 6);
    EXPECT_EQ(ShownPage(), 6);
    EXPECT_TRUE(Grey(HelpNext));
    EXPECT_FALSE(Grey(HelpBack));
    Press(HelpBack, 3);
    EXPECT_EQ(ShownPage(), 3);

    Press(HelpClose);
    EXPECT_EQ(App().CurrentScreen, 0);
    EXPECT_FALSE(Clock().ctimer);
    WritePage(3, 5);
    Press(Help);
    EXPECT_EQ(ShownPage(), 5);
    EXPECT_FALSE(Grey(HelpBack));
    EXPECT_FALSE(Grey(HelpNext));
}

// Help over a game holds its clock and starts the falling digits again from black, as
// the board let their layer go; closing it goes back to the board with the clock running.
TEST_F(HelpScreen, HelpFromTheGameHoldsTheClockAndShowsFallingDigitsAgain) {
    StartRegular({0, 40});
    Menu().ReleaseLayer();
    const QRect backdrop(0, 0, 200, 500); // beside the title, above the buttons
    for (int visit = 0; visit < 2; ++visit) {
        Press(HowToPlay);
        ASSERT_EQ(App().CurrentScreen, 6);
        EXPECT_FALSE(Clock().ctimer);
        Tick(30);
        const QImage before = Drawing().SpeedBuffer.copy(backdrop);
        Tick(30);
        EXPECT_NE(Drawing().SpeedBuffer.copy(backdrop), before) << "visit " << visit;
        EXPECT_GT(CountPixels(backdrop, [](QRgb p) { return qGray(p) == 0; }),
                  backdrop.width() * backdrop.height() / 2);
        EXPECT_EQ(Clock().ct_s, 0);
        Press(HelpClose);
        EXPECT_EQ(App().CurrentScreen, 2);
        Tick();
    }
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);
}

} // namespace
