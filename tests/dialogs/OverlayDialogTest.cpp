#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWinDlg.h"
#include "screens/WhitePixels.h"
#include "shell/AppState.h"
#include "shell/Dispatcher.h"
#include "shell/GameClock.h"
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
             [] { ConfirmDlg().Show("Sure?", "Restart", 1, "OK", "Cancel"); },
             &ConfirmDlg().Panel(),
             {250, 210, 605, 390},
             340},
            {"pause", 7, [] { PauseDlg().Show(); }, &PauseDlg().Panel(), {250, 210, 585, 360}, 315},
            {"stage", 8, [] { StageDlg().Show(); }, &StageDlg().Panel(), {250, 210, 585, 360}, 315},
            {"win", 5, [] { WinDlg().Show(); }, &WinDlg().Panel(), {250, 225, 575, 375}, 335},
            {"game over",
             9,
             [] { GameOverDlg().Show(); },
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
    // Presses and releases over (x, y), and tells what the dialog answered.
    static int16_t Answer(int x, int y) {
        ConfirmDlg().MouseMove(static_cast<int16_t>(x), static_cast<int16_t>(y));
        ConfirmDlg().MouseDown(1);
        return ConfirmDlg().MouseUp();
    }
};

bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(OverlayDialogs, OpenOnlyOverTheGameScreen) {
    for (const DialogCase& dialog : Dialogs()) {
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

TEST_F(OverlayDialogs, ARefusedQuestionHasNoTicketAndKeepsTheLastOne) {
    const int32_t ticket = ConfirmDlg().Show("Sure?", "Restart", 1, "OK", "Cancel");
    EXPECT_EQ(ConfirmDlg().Show("Other?", "Return"), 0);
    EXPECT_EQ(ConfirmDlg().myid, ticket);
    DispatchKeyDown(KeyPause, 0);
    EXPECT_EQ(App().CurrentScreen, 10);
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

TEST_F(OverlayDialogs, EveryQuestionGetsItsOwnNonZeroTicket) {
    std::vector<int32_t> tickets;
    for (int i = 0; i < 3; ++i) {
        App().CurrentScreen = 2;
        tickets.push_back(ConfirmDlg().Show("Sure?", "Restart", 1, "OK", "Cancel"));
        EXPECT_EQ(ConfirmDlg().myid, tickets.back());
    }
    EXPECT_NE(tickets[0], 0);
    EXPECT_NE(tickets[0], tickets[1]);
    EXPECT_NE(tickets[1], tickets[2]);
}

TEST_F(OverlayDialogs, OnlyAReleaseOverAButtonAnswers) {
    ConfirmDlg().Show("Sure?", "Restart", 1, "OK", "Cancel");
    Tick(3);
    EXPECT_EQ(Answer(400, 300), 0);
    EXPECT_EQ(App().CurrentScreen, 10);
    EXPECT_EQ(Answer(340, 356), 2);
    EXPECT_EQ(App().CurrentScreen, 2);

    ConfirmDlg().Show("Sure?", "Restart", 1, "OK", "Cancel");
    EXPECT_EQ(Answer(520, 356), 1);
    EXPECT_EQ(App().CurrentScreen, 2);
}

TEST_F(OverlayDialogs, WithOneButtonTheSecondPlaceDoesNotAnswer) {
    ConfirmDlg().Show("Note", "Title", 0, "OK");
    Tick(3);
    EXPECT_EQ(Answer(340, 356), 0);
    EXPECT_EQ(App().CurrentScreen, 10);
}

TEST_F(OverlayDialogs, CreditsShowOnlyWhileCtrlAIsHeld) {
    const QRect creditsText(360, 225, 180, 37);
    WinDlg().Show();
    Tick(4);
    EXPECT_EQ(WhitePixels(creditsText), 0);

    DispatchKeyDown(KeyA, CtrlKey | ShiftKey);
    Tick();
    EXPECT_EQ(WhitePixels(creditsText), 0);

    DispatchKeyDown(KeyA, CtrlKey);
    Tick();
    EXPECT_GT(WhitePixels(creditsText), 0);

    DispatchKeyUp();
    EXPECT_FALSE(WinDlg().CAI);
    Tick(3);
    EXPECT_EQ(WhitePixels(creditsText), 0);
}

} // namespace
