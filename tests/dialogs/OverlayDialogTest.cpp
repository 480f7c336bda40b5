#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWinDlg.h"
#include "screens/WhitePixels.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace {

struct DialogCase {
    const char* name;
    int id;
    std::function<void()> show;
    const OverlayPanel* panel;
    Rect full;
    int buttonTop; // every dialog's right-hand button stands at x 470..570
};

// Only valid while the fixture's dialog objects live.
std::vector<DialogCase> Dialogs() {
    return {{"confirm",
             10,
             [] {
                 Navigator().Ask({"Restart", "Sure?"}, [] {});
             },
             &ConfirmDlg().Panel(),
             {250, 210, 605, 390},
             340},
            {"pause",
             7,
             [] { Navigator().Show(PauseDialog); },
             &PauseDlg().Panel(),
             {250, 210, 585, 360},
             315},
            {"stage",
             8,
             [] { Navigator().Show(StageDialog); },
             &StageDlg().Panel(),
             {250, 210, 585, 360},
             315},
            {"win",
             5,
             [] { Navigator().Show(WinDialog); },
             &WinDlg().Panel(),
             {250, 225, 575, 375},
             335},
            {"game over",
             9,
             [] { Navigator().Show(GameOverDialog); },
             &GameOverDlg().Panel(),
             {250, 225, 575, 375},
             335}};
}

class OverlayDialogs : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        App().CurrentScreen = 2;
        Clock().ctimer = true;
    }
    // Presses and releases over (x, y).
    static void Press(int x, int y) {
        ConfirmDlg().MouseMove(static_cast<int16_t>(x), static_cast<int16_t>(y));
        ConfirmDlg().MouseDown(1);
        ConfirmDlg().MouseUp();
    }
};

bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(OverlayDialogs, TheOneButtonDialogsOpenOnlyOverTheGameScreen) {
    for (const DialogCase& dialog : Dialogs()) {
        if (dialog.id == ConfirmDialog) continue;
        SCOPED_TRACE(dialog.name);
        for (int16_t screen : {0, 4, 7, 10}) {
            App().CurrentScreen = screen;
            dialog.show();
            EXPECT_EQ(App().CurrentScreen, screen);
        }
    }
    EXPECT_TRUE(Clock().ctimer);
    EXPECT_TRUE(sounds.empty());
}

// A question may stand over any screen; either answer puts that screen back, and only OK
// does what was asked.
TEST_F(OverlayDialogs, AQuestionOverAnyScreenReturnsThereAndOnlyOkActs) {
    int done = 0;
    for (int16_t screen : {0, 2}) {
        App().CurrentScreen = screen;
        Navigator().Ask({"Restart", "Sure?"}, [&] { ++done; });
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog);
        DispatchKeyDown(KeyPause, 0);
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog) << "the question stays on top";
        Tick(3);
        Press(400, 300);
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog) << "only a release over a button";
        Press(340, 356);
        EXPECT_EQ(App().CurrentScreen, screen);
        EXPECT_EQ(done, screen == 0 ? 0 : 1);
        Navigator().Ask({"Restart", "Sure?"}, [&] { ++done; });
        Press(520, 356);
        EXPECT_EQ(App().CurrentScreen, screen);
        EXPECT_EQ(done, screen == 0 ? 1 : 2);
    }
}

TEST_F(OverlayDialogs, PanelGrowsOverThreeDrawingsThenShowsItsContents) {
    for (const DialogCase& dialog : Dialogs()) {
        SCOPED_TRACE(dialog.name);
        App().CurrentScreen = 2;
        Drawing().SpeedBuffer.fill(Qt::black);
        dialog.show();
        EXPECT_EQ(App().CurrentScreen, dialog.id);
        const int x = dialog.full.left, y = dialog.full.top;
        std::vector<Rect> expected{{x, y, x + 70, y + 40},
                                   {x, y, x + 140, y + 80},
                                   {x, y, x + 220, y + 120},
                                   dialog.full,
                                   dialog.full};
        const int bx = 520, by = dialog.buttonTop + 16;
        const QRgb behindButton = Pixel(bx, by);
        for (size_t drawing = 0; drawing < expected.size(); ++drawing) {
            EXPECT_TRUE(SameRect(dialog.panel->Drawn(), expected[drawing])) << drawing;
            if (drawing == 2) {
                EXPECT_EQ(Pixel(bx, by), behindButton); // no contents before full size
            }
            Tick();
        }
        EXPECT_NE(Pixel(bx, by), behindButton);
    }
}

TEST_F(OverlayDialogs, CreditsShowOnlyWhileCtrlAIsHeld) {
    const QRect creditsText(360, 225, 180, 37);
    Navigator().Show(WinDialog);
    Tick(4);
    EXPECT_EQ(WhitePixels(creditsText), 0);

    DispatchKeyDown(KeyA, CtrlKey | ShiftKey);
    Tick();
    EXPECT_EQ(WhitePixels(creditsText), 0);

    DispatchKeyDown(KeyA, CtrlKey);
    Tick();
    EXPECT_GT(WhitePixels(creditsText), 0);

    DispatchKeyUp();
    EXPECT_FALSE(WinDlg().showCredits);
    Tick(3);
    EXPECT_EQ(WhitePixels(creditsText), 0);
}

} // namespace
