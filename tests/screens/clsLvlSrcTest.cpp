#include "screens/clsLvlSrc.h"
#include "common/AppState.h"
#include "common/GameClock.h"
#include "engine/GameSettings.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Ink.h"
#include "support/Places.h"

namespace {

using namespace place;

class OptionsScreen : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        Menu().init();
        Click(BeginGame);
    }
    static int TypeGroupWhite() { return WhitePixels(QRect(100, 255, 601, 100)); }
};

// The options open on their defaults, whatever was chosen before, with the clock set back.
TEST_F(OptionsScreen, OpensWithTheDefaultsAndTheClockSetBack) {
    ASSERT_EQ(App().CurrentScreen, 1);
    Click(Hard);
    Click(Challenge);
    Click(Nonomino);
    EXPECT_EQ(App().CurrentScreen, 1) << "radio buttons only redraw";
    Clock().ct_m = 7;
    App().CurrentScreen = 0;
    Click(BeginGame);
    EXPECT_EQ(LvlSrc().LevelChoice(), 0);
    EXPECT_EQ(LvlSrc().TypeChoice(), 0);
    EXPECT_EQ(LvlSrc().ModeChoice(), 1);
    EXPECT_EQ(Clock().ct_m, 0);
}

TEST_F(OptionsScreen, ChallengeHidesTheTypeGroupWhichStillFollowsThePointer) {
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);
    Click(Challenge);
    Tick();
    EXPECT_EQ(TypeGroupWhite(), 0);
    Click(Nonomino);
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);
    Click(Training);
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);
}

} // namespace
