#include "screens/clsLvlSrc.h"
#include "common/AppState.h"
#include "common/GameClock.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"
#include "support/Ink.h"
#include "support/Places.h"

#include <tuple>

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

// Challenge hides the type group, which still follows the pointer; the options open again
// on their defaults, whatever was chosen before, with the clock set back.
TEST_F(OptionsScreen, ChallengeHidesTheTypeGroupAndTheDefaultsComeBack) {
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);
    Click(Hard);
    Click(Challenge);
    Tick();
    EXPECT_EQ(TypeGroupWhite(), 0);
    Click(Nonomino);
    EXPECT_EQ(App().CurrentScreen, 1) << "radio buttons only redraw";
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);
    Click(Training);
    Tick();
    EXPECT_GT(TypeGroupWhite(), 0);
    EXPECT_EQ(LvlSrc().TypeChoice(), 1);

    Click(Challenge);
    Clock().ct_m = 7;
    App().CurrentScreen = 0;
    Click(BeginGame);
    EXPECT_EQ(std::tuple(LvlSrc().LevelChoice(), LvlSrc().TypeChoice(), LvlSrc().ModeChoice()),
              std::tuple(0, 0, 1));
    EXPECT_EQ(Clock().ct_m, 0);
}

} // namespace
