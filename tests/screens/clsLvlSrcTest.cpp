#include "screens/clsLvlSrc.h"
#include "common/AppState.h"
#include "common/GameClock.h"
#include "engine/GameSettings.h"
#include "screens/WhitePixels.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"

namespace {

// Centres of the options, as the player clicks them.
constexpr int HardX = 605, LevelY = 114;
constexpr int ChallengeX = 205, TrainingX = 605, ModeY = 214;
constexpr int NonominoX = 605, TypeY = 314;
constexpr int OkX = 400, OkY = 479;

class OptionsScreen : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Menu().init();
        Click(365, 140); // "BEGIN GAME"
    }
    static int TypeGroupWhite() { return WhitePixels(QRect(100, 255, 601, 100)); }
};

TEST_F(OptionsScreen, OpensWithTheDefaultsWhateverWasChosenBefore) {
    ASSERT_EQ(App().CurrentScreen, 1);
    Click(HardX, LevelY);
    Click(ChallengeX, ModeY);
    Click(NonominoX, TypeY);
    EXPECT_EQ(App().CurrentScreen, 1); // radio buttons only redraw

    App().CurrentScreen = 0;
    Click(365, 140);
    EXPECT_EQ(LvlSrc().LevelChoice(), 0);
    EXPECT_EQ(LvlSrc().TypeChoice(), 0);
    EXPECT_EQ(LvlSrc().ModeChoice(), 1);
}

TEST_F(OptionsScreen, OpeningSetsTheClockBack) {
    Clock().ct_m = 7;
    Clock().ct_s = 12;
    App().CurrentScreen = 0;
    Click(365, 140);
    EXPECT_EQ(Clock().ct_m, 0);
    EXPECT_EQ(Clock().ct_s, 0);
}

TEST_F(OptionsScreen, ChallengeHidesTheTypeGroupWhichStillFollowsThePointer) {
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);

    Click(ChallengeX, ModeY);
    Tick();
    EXPECT_EQ(TypeGroupWhite(), 0);

    Click(NonominoX, TypeY);
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);
    Click(TrainingX, ModeY);
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);
}

TEST_F(OptionsScreen, OkStoresTheChoicesAndDealsTheGame) {
    Click(HardX, LevelY);
    Click(NonominoX, TypeY);
    Click(OkX, OkY);
    const GameSettings& s = Settings();
    EXPECT_EQ(s.Level, 2);
    EXPECT_EQ(s.ChallengeLevel, 2);
    EXPECT_TRUE(s.TrainingMode);
    EXPECT_GE(s.PuzzleType, 1); // a Nonomino template drawn at random
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_TRUE(Clock().ctimer);
}

} // namespace
