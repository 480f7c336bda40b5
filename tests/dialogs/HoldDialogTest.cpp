#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Switches.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "engine/GameSettings.h"
#include "shell/Dispatcher.h"
#include "shell/Screens.h"
#include "support/AppFixture.h"

#include <string>
#include <vector>

namespace {

constexpr int ContinueX = 520, ContinueY = 331;

class HoldDialogs : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        App().CurrentScreen = 2;
        Clock().ctimer = true;
        Switches().MusicTrack = 1;
    }
    static int Seconds() { return Clock().ct_m * 60 + Clock().ct_s; }
};

TEST_F(HoldDialogs, PauseHoldsClockAndMusicUntilContinue) {
    Switches().MusicOn = 1;
    DispatchKeyDown(KeyPause, 0);
    EXPECT_EQ(App().CurrentScreen, 7);
    EXPECT_TRUE(Switches().GamePaused);
    EXPECT_EQ(sounds, std::vector<std::string>{"stop bg1"});

    const int before = Seconds();
    Tick(3 * TicksPerSecond);
    EXPECT_EQ(Seconds(), before);

    Click(ContinueX, ContinueY);
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_FALSE(Switches().GamePaused);
    EXPECT_TRUE(Clock().ctimer);
    const std::string track = "bg" + std::to_string(Switches().MusicTrack);
    EXPECT_EQ(sounds,
              (std::vector<std::string>{"stop bg1", "stop bg1", "play " + track + " repeat"}));
}

TEST_F(HoldDialogs, ContinueWithMusicOffDrawsATrackButPlaysNothing) {
    Switches().MusicTrack = 0;
    Navigator().Show(PauseDialog);
    Tick(3);
    Click(ContinueX, ContinueY);
    EXPECT_TRUE(Switches().MusicTrack == 1 || Switches().MusicTrack == 2);
    EXPECT_EQ(sounds, (std::vector<std::string>{"stop bg0", "stop bg0"}));
}

TEST_F(HoldDialogs, AClickBesideContinueKeepsTheGameHeld) {
    Navigator().Show(StageDialog);
    Tick(3);
    Click(400, 300);
    EXPECT_EQ(App().CurrentScreen, 8);
    EXPECT_FALSE(Clock().ctimer);
}

// Stage 10 (a finished challenge) lies past the tables: it reads the last stage's entries.
TEST_F(HoldDialogs, StageNamesItsLimitAndTypeFromTheTables) {
    struct Case {
        uint8_t stage;
        int16_t level;
        int16_t limit;
        const char* type;
    };
    for (const Case& c :
         {Case{0, 0, 450, "Regular"}, Case{1, 0, 400, "Nonomino"}, Case{0, 2, 350, "Regular"},
          Case{9, 1, 650, "Nonomino"}, Case{10, 0, 700, "Nonomino"}}) {
        App().CurrentScreen = 2;
        Settings().Stage = c.stage;
        Settings().ChallengeLevel = c.level;
        Navigator().Show(StageDialog);
        EXPECT_EQ(StageDlg().TimeLimit(), c.limit);
        EXPECT_EQ(StageDlg().TypeName(), QString::fromLatin1(c.type));
    }
}

} // namespace
