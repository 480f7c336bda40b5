// What each dialog and the clock write, read from the texts as they were drawn: a text
// swapped, moved or dropped fails here even where pixels would hardly differ.
#include "common/Navigation.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWaiting.h"
#include "dialogs/clsWinDlg.h"
#include "engine/Hooks.h"
#include "game/GameFixture.h"

namespace {

class DrawnTexts : public GameFixture {
protected:
    // Where the last drawing of `text` put it, or (-1, -1) when it was not drawn.
    QPoint Placed(const QString& text) const {
        for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
            if (it->text == text) return {it->x, it->y};
        }
        return {-1, -1};
    }
    // Opens a dialog over a fresh board and lets its panel finish growing.
    template <typename Open> void Over(Open open) {
        StartRegular({10});
        open();
        texts.clear();
        Tick(4);
    }
};

TEST_F(DrawnTexts, EachOverlayDialogWritesItsOwnTextInItsPlace) {
    Over([] { Navigator().Show(PauseDialog); });
    EXPECT_EQ(Placed("Game Paused"), QPoint(360, 245));

    Over([] { Navigator().Show(WinDialog); });
    EXPECT_EQ(Placed("Congratulations! "), QPoint(370, 275));
    EXPECT_EQ(Placed("Game over. "), QPoint(-1, -1));

    Over([] { Navigator().Show(GameOverDialog); });
    EXPECT_EQ(Placed("Game over. "), QPoint(370, 275));
    EXPECT_EQ(Placed("Congratulations! "), QPoint(-1, -1));
    EXPECT_EQ(Placed("Final score: 0"), QPoint(370, 300));

    Settings().TrainingMode = false;
    Settings().ChallengeScore = 9788;
    Over([] { Navigator().Show(WinDialog); });
    EXPECT_EQ(Placed("Final score: 9788"), QPoint(370, 300)) << "after the tenth stage";
    Settings().TrainingMode = true;
    Over([] { Navigator().Show(WinDialog); });
    EXPECT_EQ(Placed("Final score: 9788"), QPoint(-1, -1)) << "a training game has no score";

    Over([] { Navigator().Ask({"Restart", "Start this game again?"}, [] {}); });
    EXPECT_EQ(Placed("Restart"), QPoint(260, 215)) << "the title above the line";
    EXPECT_EQ(Placed("Start this game again?"), QPoint(260, 255)) << "the message below it";
    for (const QString caption : {"OK", "Cancel"})
        EXPECT_NE(Placed(caption), QPoint(-1, -1)) << caption.toStdString();
}

TEST_F(DrawnTexts, StageDialogCaptionsTheStageAndLoadingCountsUp) {
    Settings().TrainingMode = false;
    Settings().Stage = 3;
    Over([] { Navigator().Show(StageDialog); });
    EXPECT_EQ(Placed("STAGE 3"), QPoint(360, 235));
    EXPECT_EQ(Placed("Limited Time:"), QPoint(300, 255));
    EXPECT_EQ(Placed("Sudoku Type:"), QPoint(300, 275));
    EXPECT_EQ(Placed("Score:"), QPoint(300, 295));
    EXPECT_EQ(Placed("0"), QPoint(430, 295)) << "before the first stage, the total only";
    Settings().ChallengeScore = 1760;
    Settings().LastStageScore = 880;
    Over([] { Navigator().Show(StageDialog); });
    EXPECT_EQ(Placed("1760 (+880)"), QPoint(430, 295));

    // The loading screen draws on the ticks that run while the game is set up.
    SetEventPump([] { Tick(); });
    Settings().TrainingMode = true;
    texts.clear();
    Waiting().BeginNew();
    std::vector<QString> loading;
    for (const DrawnText& text : TextsWith("Loading")) {
        if (loading.empty() || loading.back() != text.text) loading.push_back(text.text);
        EXPECT_EQ(QPoint(text.x, text.y), QPoint(280, 180));
    }
    EXPECT_EQ(loading,
              (std::vector<QString>{"Loading ...0%", "Loading ...10%", "Loading ...20%",
                                    "Loading ...50%", "Loading ...60%", "Loading ...90%"}));
}

TEST_F(DrawnTexts, TrainingClockShowsEachSecondAndCarriesIntoTheHour) {
    Settings().TrainingMode = true;
    StartRegular({10});
    // The tick that ends a second counts it; the next one draws it.
    Clock().ClockTicks = TicksPerSecond - 1;
    Tick(2);
    EXPECT_EQ(Placed("00:00:01"), QPoint(25, 13));
    Clock().ct_m = 59;
    Clock().ct_s = 59;
    Clock().ClockTicks = TicksPerSecond - 1;
    texts.clear();
    Tick(2);
    EXPECT_EQ(Placed("01:00:00"), QPoint(25, 13));
}

} // namespace
