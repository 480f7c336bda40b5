#include "common/Navigation.h"
#include "common/Switches.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWaiting.h"
#include "engine/Hooks.h"
#include "support/GameFixture.h"

#include <tuple>
#include <utility>

namespace {

using namespace place;

class Dialogs : public GameFixture {
protected:
    bool Drawn(const QString& text) const {
        return std::ranges::find(texts, text, &DrawnText::text) != texts.end();
    }
};

// Each panel grows over three drawings before its contents show; a dialog with one
// button opens only over the game.
TEST_F(Dialogs, PanelsGrowThenShowTheirText) {
    const std::pair<ScreenId, const char*> dialogs[] = {{ConfirmDialog, "Start again?"},
                                                        {PauseDialog, "Game Paused"},
                                                        {StageDialog, "STAGE 0"},
                                                        {WinDialog, "Congratulations! "},
                                                        {GameOverDialog, "Game over. "}};
    for (const auto& [id, text] : dialogs) {
        SCOPED_TRACE(text);
        const auto show = [&, id = id] {
            id == ConfirmDialog ? Navigator().Ask({"Restart", "Start again?"}, [] {})
                                : Navigator().Show(id);
        };
        for (int16_t screen : {0, 4, 7}) {
            App().CurrentScreen = screen;
            show();
            EXPECT_EQ(App().CurrentScreen, id == ConfirmDialog ? int16_t{10} : screen);
        }
        StartRegular({10});
        texts.clear();
        show();
        EXPECT_EQ(App().CurrentScreen, id);
        Tick(2);
        EXPECT_FALSE(Drawn(text)) << "still growing";
        Tick();
        EXPECT_TRUE(Drawn(text));
        EXPECT_EQ(Drawn("Final score: 0"), id == GameOverDialog)
            << "a training game is won without a score";
    }
}

// A question may stand over any screen; either answer puts that screen back, and only OK
// does what was asked.
TEST_F(Dialogs, AQuestionOverAnyScreenReturnsThereAndOnlyOkActs) {
    int done = 0;
    for (int16_t screen : {0, 2}) {
        App().CurrentScreen = screen;
        Navigator().Ask({"Restart", "Sure?"}, [&] { ++done; });
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog);
        DispatchKeyDown(KeyPause, 0);
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog) << "the question stays on top";
        Tick(3);
        Click(400, 300);
        EXPECT_EQ(App().CurrentScreen, ConfirmDialog) << "only a release over a button";
        Click(ConfirmCancel);
        EXPECT_EQ(App().CurrentScreen, screen);
        EXPECT_EQ(done, screen == 0 ? 0 : 1);
        Navigator().Ask({"Restart", "Sure?"}, [&] { ++done; });
        Click(ConfirmOk);
        EXPECT_EQ(App().CurrentScreen, screen);
        EXPECT_EQ(done, screen == 0 ? 1 : 2);
    }
}

// Pause holds the clock and the music; Continue draws a track, and plays it if music is on.
TEST_F(Dialogs, PauseHoldsClockAndMusicUntilContinue) {
    for (int16_t music : {1, 0}) {
        StartRegular({10});
        Switches().MusicOn = music;
        Switches().MusicTrack = 1;
        sounds.clear();
        DispatchKeyDown(KeyPause, 0);
        EXPECT_EQ(sounds, std::vector<std::string>{"stop bg1"});
        Tick(3 * TicksPerSecond);
        EXPECT_EQ(DescribeGame(), "screen=7 training level=0 type=0 clock=0 held paused");
        Click(Continue);
        EXPECT_EQ(DescribeGame(), "screen=2 training level=0 type=0 clock=0 running");
        EXPECT_TRUE(Switches().MusicTrack == 1 || Switches().MusicTrack == 2);
        std::vector<std::string> expected{"stop bg1", "stop bg1"};
        if (music)
            expected.push_back("play bg" + std::to_string(Switches().MusicTrack) + " repeat");
        EXPECT_EQ(sounds, expected);
    }
}

// Stage 10 (a finished challenge) lies past the tables: it reads the last stage's entries.
// A click beside Continue keeps the game held.
TEST_F(Dialogs, StageNamesItsLimitTypeAndScore) {
    Settings().TrainingMode = false;
    const std::tuple<uint8_t, int16_t, const char*> stages[] = {{0, 0, "450 Regular"},
                                                                {1, 0, "400 Nonomino"},
                                                                {0, 2, "350 Regular"},
                                                                {9, 1, "650 Nonomino"},
                                                                {10, 0, "700 Nonomino"}};
    for (const auto& [stage, level, shown] : stages) {
        App().CurrentScreen = 2;
        Settings().Stage = stage;
        Settings().ChallengeLevel = level;
        Navigator().Show(StageDialog);
        EXPECT_EQ(QString::number(StageDlg().TimeLimit()) + " " + StageDlg().TypeName(), shown);
    }
    Settings().ChallengeScore = 1760;
    Settings().LastStageScore = 880;
    texts.clear();
    Tick(4);
    Click(400, 300);
    EXPECT_EQ(DescribeGame(),
              "screen=8 stage=10/0 score=1760/880 level=0 type=0 clock=0 held paused");
    for (const QString text : {"Limited Time:", "Sudoku Type:", "Score:", "1760 (+880)"})
        EXPECT_TRUE(Drawn(text)) << text.toStdString();

    Settings().ChallengeScore = 9788;
    App().CurrentScreen = 2;
    Navigator().Show(GameOverDialog);
    Tick(4);
    EXPECT_TRUE(Drawn("Final score: 9788"));
}

// The loading screen draws on the ticks that run while the game is set up; the clock
// draws each second as the tick after it ends.
TEST_F(Dialogs, LoadingCountsUpAndTheClockShowsEachSecond) {
    SetEventPump([] { Tick(); });
    Waiting().BeginNew();
    std::vector<QString> loading;
    for (const DrawnText& text : TextsWith("Loading"))
        if (loading.empty() || loading.back() != text.text) loading.push_back(text.text);
    EXPECT_EQ(loading,
              (std::vector<QString>{"Loading ...0%", "Loading ...10%", "Loading ...20%",
                                    "Loading ...50%", "Loading ...60%", "Loading ...90%"}));
    Clock().ct_m = 59;
    Clock().ct_s = 59;
    Clock().ClockTicks = TicksPerSecond - 1;
    Tick(2);
    EXPECT_TRUE(Drawn("01:00:00"));
}

} // namespace
