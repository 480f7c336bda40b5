#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Switches.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Hooks.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Places.h"

#include <algorithm>
#include <vector>

namespace {

class NewGame : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Menu().init();
        Menu().Draw();
    }
    static int Givens() {
        int count = 0;
        for (const auto& row : Sudoku().GivenGrid) {
            count += static_cast<int>(
                std::count_if(row.begin(), row.end(), [](int16_t d) { return d != 0; }));
        }
        return count;
    }
};

TEST_F(NewGame, TrainingGoesFromTheTitleThroughLoadingToARunningGame) {
    Click(place::BeginGame);
    ASSERT_EQ(App().CurrentScreen, 1);
    Tick();
    Click(place::Hard);
    Click(place::Nonomino);
    Click(place::OptionsOk);

    ASSERT_FALSE(pumps.empty());
    EXPECT_TRUE(std::all_of(pumps.begin(), pumps.end(), [](int s) { return s == 4; }))
        << "dealt behind the loading screen";
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Givens(), 27);
    EXPECT_EQ(Settings().ChallengeLevel, 2);
    EXPECT_TRUE(Settings().TrainingMode);
    EXPECT_GE(Settings().PuzzleType, 1) << "a Nonomino template drawn at random";
    EXPECT_TRUE(Clock().ctimer);
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);
}

TEST_F(NewGame, ChallengeOpensOnItsFirstStageWithTheClockHeld) {
    Settings().Stage = 4; // left over from an earlier challenge, with its score
    Settings().ChallengeScore = 3123;
    Click(place::BeginGame);
    Click(place::Challenge);
    Click(place::OptionsOk);

    const GameSettings& s = Settings();
    EXPECT_EQ(App().CurrentScreen, 8);
    EXPECT_EQ(s.Stage, 0);
    EXPECT_EQ(s.ChallengeScore, 0);
    EXPECT_EQ(s.Level, s.StageLevel[0]);
    EXPECT_EQ(s.PuzzleType, s.StageType[0]);
    EXPECT_FALSE(Clock().ctimer);
    EXPECT_TRUE(Switches().GamePaused);

    Tick(TicksPerSecond * 2);
    EXPECT_EQ(Clock().ct_s, 0);
    Click(place::Continue);
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_TRUE(Clock().ctimer);
}

} // namespace
