// A game left open when the window closes comes back at the next start.
#include "shell/Resume.h"
#include "common/Navigation.h"
#include "persist/FileIO.h"
#include "persist/SavedGames.h"
#include "shell/Main.h"
#include "support/GameFixture.h"

namespace {

using namespace place;

class Resume : public GameFixture {
protected:
    static bool Kept() { return FileExists(ResumePath()); }

    // The window closes; the next start draws on a new surface.
    static void Close() {
        Form_Unload();
        StartDrawing(800, 608);
    }

    // The window closes, and the game starts again as main starts it.
    void CloseAndStartAgain() {
        Close();
        ResetScreens();
        Settings() = GameSettings{};
        FillStageTables();
        Clock() = ClockState{};
        Navigator().ReturnToMenu();
        platform.asked.clear();
        OfferResume();
    }
};

TEST_F(Resume, AGameLeftOpenIsOfferedAndComesBackWithItsHintsAndMarks) {
    Settings().Level = 2;
    StartRegular({10, 11, 12, 40});
    Enter(10, HintButton);
    Enter(11, PencilBox);
    Click(PadButtonCenter(11, 4));
    SetClock(0, 3, 0);
    CloseAndStartAgain();
    ASSERT_EQ(App().CurrentScreen, ConfirmDialog);
    Tick(4);
    EXPECT_FALSE(TextsWith("Continue the game you left?").empty());

    Click(ConfirmOk);
    EXPECT_EQ(DescribeGame({10, 11}),
              "screen=2 training level=2 type=0 clock=180 running 10=5 11={5}");
    EXPECT_EQ(Game().Model().HintsLeft(), 2) << "closing gives no hint back";
    EXPECT_FALSE(Kept()) << "the game it held is on the board";
    EXPECT_TRUE(platform.asked.empty());
}

TEST_F(Resume, CancelLetsItGoAndADamagedOneIsNamedOnceAndRemoved) {
    StartRegular({10, 11});
    CloseAndStartAgain();
    Click(ConfirmCancel);
    EXPECT_EQ(App().CurrentScreen, TitleScreen);
    EXPECT_FALSE(Kept());

    ASSERT_EQ(WriteFileAtomically(ResumePath(), "T0 not a game"), "");
    platform.asked.clear();
    OfferResume();
    Click(ConfirmOk);
    EXPECT_EQ(platform.asked, (std::vector<std::string>{
                                  "message: Korvel Sudoku | The file " + ResumePath() +
                                  " is not a saved game of Korvel Sudoku, or it is damaged."}));
    EXPECT_EQ(App().CurrentScreen, TitleScreen);
    EXPECT_FALSE(Kept());
    OfferResume();
    EXPECT_EQ(App().CurrentScreen, TitleScreen) << "nothing left to offer";
}

// A game that ended, or is still being dealt, leaves nothing behind; the title leaves the
// file of an earlier game alone; between stages the stage just dealt is kept.
TEST_F(Resume, OnlyAGameInPlayIsKept) {
    const struct {
        const char* what;
        bool challenge;
        std::function<void()> then;
        bool kept;
    } cases[] = {
        {"a question over the board", false,
         [] {
             Navigator().Ask({"", ""}, [] {});
         },
         true},
        {"paused", false, [] { Navigator().Show(PauseDialog); }, true},
        {"back on the title", false, [] { Navigator().ReturnToMenu(); }, true},
        {"loading", false, [] { App().CurrentScreen = LoadingScreen; }, false},
        {"won", false, [] { Enter(10, Solved(1, 1) - 1); }, false},
        {"given up", false, [&] { Click(Solution), Click(ConfirmOk); }, false},
        {"timed out", true, [] { Clock().ct_m = 7, Clock().ct_s = 29, Tick(40); }, false},
        {"between stages", true, [] { Enter(10, Solved(1, 1) - 1); }, true},
    };
    for (const auto& c : cases) {
        Settings().TrainingMode = !c.challenge;
        Settings().Stage = 0;
        StartRegular({10});
        ASSERT_EQ(WriteFileAtomically(ResumePath(), "an earlier game"), "");
        c.then();
        Close();
        EXPECT_EQ(Kept(), c.kept) << c.what;
    }
    const auto stage = DecodeSavedGame(ReadFileHead(ResumePath(), 1000).value_or(""));
    ASSERT_TRUE(stage);
    EXPECT_EQ(stage->typeOrStage, 1) << "the stage just dealt";
    EXPECT_EQ(stage->ct_m * 60 + stage->ct_s, 0) << "from its start";
}

} // namespace
