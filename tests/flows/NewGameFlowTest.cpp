#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Switches.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWaiting.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Hooks.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int BeginGameX = 365, BeginGameY = 140;
constexpr int ChallengeX = 205, ModeY = 214;
constexpr int OkX = 400, OkY = 479;
constexpr int ContinueX = 520, ContinueY = 331;

class NewGame : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        SetEventPump([this] {
            pumps.push_back(App().CurrentScreen);
            progress.push_back(Waiting().Progress());
        });
        Menu().init();
        Menu().Draw();
    }
    // The percentages the loading screen showed, each once.
    std::vector<int> Shown() const {
        std::vector<int> shown = progress;
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
        return shown;
    }
    static int Givens() {
        int count = 0;
        for (const auto& row : Sudoku().GivenGrid) {
            count += static_cast<int>(
                std::count_if(row.begin(), row.end(), [](int16_t d) { return d != 0; }));
        }
        return count;
    }

    std::vector<int> progress;
};

TEST_F(NewGame, TrainingGoesFromTheTitleThroughLoadingToARunningGame) {
    Click(BeginGameX, BeginGameY);
    ASSERT_EQ(App().CurrentScreen, 1);
    Tick();
    Click(OkX, OkY);

    EXPECT_EQ(Shown(), (std::vector<int>{10, 20, 50, 60, 90}));
    EXPECT_TRUE(std::all_of(pumps.begin(), pumps.end(), [](int s) { return s == 4; }));
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Givens(), 41);
    EXPECT_TRUE(Clock().ctimer);
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);
}

TEST_F(NewGame, ChallengeOpensOnItsFirstStageWithTheClockHeld) {
    Settings().Stage = 4; // left over from an earlier challenge, with its score
    Settings().ChallengeScore = 3123;
    Click(BeginGameX, BeginGameY);
    Click(ChallengeX, ModeY);
    Click(OkX, OkY);

    const GameSettings& s = Settings();
    EXPECT_EQ(App().CurrentScreen, 8);
    EXPECT_EQ(s.Stage, 0);
    EXPECT_EQ(s.ChallengeScore, 0);
    EXPECT_EQ(s.Level, s.StageLevel[0]);
    EXPECT_EQ(s.PuzzleType, s.StageType[0]);
    EXPECT_EQ(StageDlg().TimeLimit(), 450);
    EXPECT_FALSE(Clock().ctimer);
    EXPECT_TRUE(Switches().GamePaused);

    Tick(TicksPerSecond * 2);
    EXPECT_EQ(Clock().ct_s, 0);
    Click(ContinueX, ContinueY);
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_TRUE(Clock().ctimer);
}

} // namespace
