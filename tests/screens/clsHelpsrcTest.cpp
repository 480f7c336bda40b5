#include "screens/clsHelpsrc.h"
#include "screens/screenMenu.h"
#include "support/GameFixture.h"
#include "support/Ink.h"

#include <QDir>
#include <QPainter>
#include <string>
#include <utility>

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
        QPainter(&page).fillRect(300, 300, 40, 40, QColor(0, 0, 40 * shown));
        page.save(QString::fromStdString(App().ProgramFolder) +
                  QStringLiteral("/res/help%1.png").arg(number));
    }

    // The page on screen, 1 to 6, as the player sees it after a frame, and which of Back
    // and Next are greyed out (a greyed-out button's fill has no tint): "4 grey:back".
    static std::string Shown() {
        Tick();
        std::string shown = std::to_string(qBlue(Pixel(320, 320)) / 40);
        for (const auto& [name, button] :
             {std::pair{" grey:back", HelpBack}, {" grey:next", HelpNext}}) {
            const QRgb fill = Pixel(button.x() - 55, button.y() - 15);
            if (qRed(fill) == qGreen(fill) && qGreen(fill) == qBlue(fill)) shown += name;
        }
        return shown;
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
    EXPECT_EQ(Shown(), "4 grey:back");
    Press(HelpBack);
    EXPECT_EQ(Shown(), "4 grey:back");
    Press(HelpNext, 6);
    EXPECT_EQ(Shown(), "6 grey:next");
    Press(HelpBack, 5);
    EXPECT_EQ(Shown(), "4 grey:back");
    Press(HelpNext, 2);
    EXPECT_EQ(Shown(), "3");

    Press(HelpClose);
    EXPECT_EQ(App().CurrentScreen, 0);
    EXPECT_FALSE(Clock().ctimer);
    WritePage(3, 5);
    Press(Help);
    EXPECT_EQ(Shown(), "5");
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
