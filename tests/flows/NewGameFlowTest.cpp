#include "engine/Hooks.h"
#include "screens/screenMenu.h"
#include "support/GameFixture.h"

#include <algorithm>
#include <vector>

namespace {

class NewGame : public GameFixture {
protected:
    void SetUp() override {
        GameFixture::SetUp();
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
    EXPECT_EQ(DescribeGame(), "screen=2 training level=2 type=3 clock=0 running");
    EXPECT_EQ(Givens(), 27);
    EXPECT_EQ(Settings().ChallengeLevel, 2);
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);
}

TEST_F(NewGame, ChallengeOpensOnItsFirstStageWithTheClockHeld) {
    Settings().Stage = 4; // left over from an earlier challenge, with its score
    Settings().ChallengeScore = 3123;
    Click(place::BeginGame);
    Click(place::Challenge);
    Click(place::OptionsOk);
    EXPECT_EQ(DescribeGame(), "screen=8 stage=0/0 score=0/-1 level=0 type=0 clock=0 held paused");
    Tick(TicksPerSecond * 2);
    Click(place::Continue);
    EXPECT_EQ(DescribeGame(), "screen=2 stage=0/0 score=0/-1 level=0 type=0 clock=0 running");
}

} // namespace
