#include "engine/Hooks.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/SavedGames.h"
#include "screens/clsHelpsrc.h"
#include "screens/screenMenu.h"
#include "shell/Main.h"
#include "shell/Resume.h"
#include "support/GameFixture.h"

#include <functional>

namespace {

using namespace place;

using Lines = std::vector<std::string>;
const std::string NamePrompt =
    "Congratulations! You broken the best record,please input your name:";

class PlayLoop : public GameFixture {
protected:
    // The last cell of a game started with the single hole 40.
    static void FillLastCell() { Enter(40, Solved(4, 4) - 1); }

    std::string FileBytes(const std::string& name) const {
        return ReadFileHead(App().RecordsFolder + "/" + name, 1000).value_or("(missing)");
    }
    std::string SavePath(const std::string& name) const { return App().SaveFolder + "/" + name; }
    // Back to the title, where LOAD GAME opens the file named next.
    void LoadFromTheTitle(const std::string& path) {
        platform.fileNames = {path};
        Navigator().ReturnToMenu(), Tick(), Click(place::LoadGame);
    }
};

// Training goes through loading to a running game; a challenge opens on its first stage
// with the clock held.
TEST_F(PlayLoop, TrainingGoesThroughLoadingToARunningGameAndAChallengeWaitsOnItsFirstStage) {
    Menu().init();
    Menu().Draw();
    Click(BeginGame);
    ASSERT_EQ(App().CurrentScreen, 1);
    Tick();
    Click(Hard);
    Click(Nonomino);
    Click(OptionsOk);
    ASSERT_FALSE(pumps.empty());
    EXPECT_TRUE(std::all_of(pumps.begin(), pumps.end(), [](int s) { return s == 4; }))
        << "dealt behind the loading screen";
    EXPECT_EQ(DescribeGame(), "screen=2 training level=2 type=3 clock=0 running");
    const int16_t* given = &Sudoku().GivenGrid[0][0];
    EXPECT_EQ(std::count(given, given + 81, 0), 81 - 27);
    EXPECT_EQ(Settings().ChallengeLevel, 2);
    Tick(TicksPerSecond + 1);
    EXPECT_EQ(Clock().ct_s, 1);

    Navigator().ReturnToMenu();
    Settings().Stage = 4; // left over from an earlier challenge, with its score
    Settings().ChallengeScore = 3123;
    Click(BeginGame);
    Click(Challenge);
    Click(OptionsOk);
    EXPECT_EQ(DescribeGame(), "screen=8 stage=0/0 score=0/-1 level=0 type=0 clock=0 held paused");
    Tick(TicksPerSecond * 2);
    Click(Continue);
    EXPECT_EQ(DescribeGame(), "screen=2 stage=0/0 score=0/-1 level=0 type=0 clock=0 running");
}

TEST_F(PlayLoop, FinishedTrainingGameChimesKeepsItsRecordAndShowsTheWinDialog) {
    Settings().Level = 1;
    StartRegular({40});
    SetClock(0, 5, 0);
    platform.names = {"Ann"};
    FillLastCell();

    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "play Con from 0"), 1) << "chimes";
    EXPECT_EQ(platform.asked, Lines{"name: Best record-Tranning | " + NamePrompt});
    EXPECT_EQ(Records().TrainingRecordTimes[1], 300);
    EXPECT_EQ(DescribeGame(), "screen=5 training level=1 type=0 clock=300 held");
    Click(DialogOk);
    EXPECT_EQ(App().CurrentScreen, 0);

    // A time stored below zero (an old wrapped clock) is no record; a challenge tie keeps
    // its holder.
    Records().TrainingRecordTimes[2] = -30000;
    UpdateBestRecord(4000, 2);
    EXPECT_EQ(Records().TrainingRecordTimes[2], 4000);
    Settings().TrainingMode = false;
    Records().ChallengeRecordScores[1] = 5000;
    platform.asked.clear();
    UpdateBestRecord(5000, 1);
    UpdateBestRecord(5001, 1);
    EXPECT_EQ(platform.asked, Lines{"name: Best record | " + NamePrompt});
    EXPECT_EQ(FileBytes("hhs.rec").substr(36 + 32, 4), std::string("\x89\x13\0\0", 4));
}

TEST_F(PlayLoop, SolvedStagesScoreAndTheTenthEndsTheChallenge) {
    StartChallenge(0, 0, {40});
    SetClock(0, 2, 0);
    GameIntf().ClockSecond(0, 2, 0); // the clock second that reads 120
    FillLastCell();
    // The stage dialog shows the last stage's score and holds the next, timed from zero.
    EXPECT_EQ(DescribeGame(),
              "screen=8 stage=1/0 score=880/880 level=0 type=1 clock=0 held paused");
    EXPECT_TRUE(platform.asked.empty()) << "no record before the challenge ends";

    StartChallenge(9, 2, {40});
    Settings().ChallengeScore = 8888;
    GameIntf().ClockSecond(0, 1, 40);
    platform.names = {"Cy"};
    pumps.clear();
    FillLastCell();
    EXPECT_EQ(DescribeGame(), "screen=5 stage=10/2 score=9788/900 level=0 type=0 clock=0 held");
    EXPECT_EQ(Records().ChallengeRecordScores[2], 9788);
    EXPECT_EQ(FileBytes("hhs.rec").substr(72, 2), "Cy");
    EXPECT_TRUE(pumps.empty()) << "no further stage is dealt";
}

TEST_F(PlayLoop, RunningOutOfTimeEndsTheChallengeOnceEvenOverAQuestionOrTheSolution) {
    StartChallenge(0, 2, {10, 40});
    Settings().ChallengeScore = 640;
    SetClock(0, 5, 49);
    Click(Restart);
    ASSERT_EQ(App().CurrentScreen, 10);
    Tick(TicksPerSecond);
    EXPECT_EQ(DescribeGame(), "screen=9 stage=0/2 score=640/-1 level=0 type=0 clock=350 held");
    EXPECT_EQ(Game().StageSeconds(), 350);
    EXPECT_EQ(platform.asked, Lines{"name: Best record | " + NamePrompt});
    Tick(TicksPerSecond * 3);
    EXPECT_EQ(platform.asked.size(), 1u) << "the prompt is not raised again";
    Click(DialogOk);
    EXPECT_EQ(App().CurrentScreen, 0);

    StartChallenge(0, 2, {10, 40});
    Confirm(Solution);
    SetClock(0, 5, 49);
    Tick(TicksPerSecond);
    EXPECT_EQ(App().CurrentScreen, 9) << "giving up does not stop the stage's clock";

    Settings().Stage = 10; // a finished challenge: past the stage tables
    Tick();                // the time text reads no table out of range
}

// Restart, giving up and the way back to the title ask first; Cancel leaves the game as it
// was.
TEST_F(PlayLoop, QuestionsOverTheBoardActOnlyOnOk) {
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    const std::string before = DescribeGame({10, 20, 40});
    for (QPoint button : {Restart, MainMenu, Solution}) {
        Click(button);
        ASSERT_EQ(App().CurrentScreen, 10);
        Click(ConfirmCancel);
        EXPECT_EQ(DescribeGame({10, 20, 40}), before);
        EXPECT_FALSE(Switches().SolutionShown);
    }

    Enter(20, HintButton);
    SetClock(0, 3, 7);
    Confirm(Restart);
    EXPECT_EQ(DescribeGame({10, 20, 40}),
              "screen=2 training level=0 type=0 clock=0 running 10=. 20=. 40=.");
    EXPECT_EQ(Game().Model().HintsLeft(), 3);
    EXPECT_EQ(Game().Selected(), -1);

    Confirm(Solution);
    EXPECT_TRUE(Switches().SolutionShown);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(Game().CommandEnabled(c), c == 5) << "only MAIN MENU, not command " << c;
    EXPECT_EQ(DescribeGame({10, 20, 40}),
              "screen=2 training level=0 type=0 clock=0 running 10=5 20=9 40=9");
    EXPECT_EQ(Value(40), 0) << "the grid itself is not filled";
    EXPECT_FALSE(Game().Won());
    DispatchKeyDown(KeyS, CtrlKey);
    EXPECT_TRUE(platform.asked.empty()) << "a given-up game cannot be saved";
    Click(CellCenter(10));
    EXPECT_FALSE(Game().PadOpen());

    Confirm(MainMenu);
    EXPECT_EQ(DescribeGame(), "screen=0 training level=0 type=0 clock=0 held");
    StartRegular({10});
    EXPECT_TRUE(Game().CommandEnabled(0)) << "a new game enables the commands again";
}

TEST_F(PlayLoop, SavedGamesComeBackFromTheTitleWithTheirMarksClockAndStage) {
    Settings().Level = 1;
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    Mark(20, 3);
    SetClock(0, 1, 5);
    const std::string path = SavePath("mine.sv");
    platform.fileNames = {path};
    Click(Save);

    const QDate today = QDate::currentDate();
    const std::string proposed =
        SavePath(DefaultSaveName(today.year(), today.month(), today.day()));
    EXPECT_EQ(platform.asked, (Lines{"save: Save Game to file | " + proposed,
                                     "message: Korvel Sudoku | Game has been saved to " + path}));
    const std::string bytes = ReadFileHead(path, 1000).value_or("");
    ASSERT_EQ(bytes.size(), 334u + 170) << "the marks follow the game";
    EXPECT_EQ(bytes.substr(0, 4), std::string("T0\x01\0", 4));
    EXPECT_TRUE(Clock().ctimer) << "saving does not stop the clock";

    const Grid saved = Game().Model().Now().digits;
    ResetSudoku();
    Settings().Level = 0;
    platform.asked.clear();
    LoadFromTheTitle(path);
    EXPECT_EQ(platform.asked, Lines{"open: Open Game save file | " + path})
        << "the open dialog starts at the name last chosen";
    EXPECT_EQ(DescribeGame({10, 20}),
              "screen=2 training level=1 type=0 clock=65 running 10=5 20={3}");
    EXPECT_EQ(Game().Model().Now().digits, saved);
    EXPECT_TRUE(Game().Cell(10).Enabled) << "an entry stays editable";
    EXPECT_FALSE(Game().PencilMode()) << "a loaded game starts with the pencil off";

    StartChallenge(4, 1, {10, 40});
    Settings().ChallengeScore = 3500;
    Settings().LastStageScore = 700;
    platform.fileNames = {path, path};
    platform.answers = {Platform::Answer::No, Platform::Answer::Yes}; // replace the file?
    Click(Save);
    EXPECT_EQ(ReadFileHead(path, 1000), bytes) << "kept";
    Click(Save);
    Settings() = GameSettings{.LastStageScore = 700};
    FillStageTables();
    LoadFromTheTitle(path);
    // Not announced again; the file does not say what the last stage scored.
    EXPECT_EQ(DescribeGame(), "screen=2 stage=4/1 score=3500/-1 level=1 type=0 clock=65 running");

    // A file that was saved solved finishes the moment it loads.
    Settings().TrainingMode = true;
    Settings().Level = 0;
    StartRegular({});
    SetClock(0, 7, 0);
    platform.fileNames = {SavePath("done.sv")};
    Click(Save);
    LoadFromTheTitle(SavePath("done.sv"));
    EXPECT_EQ(DescribeGame(), "screen=5 training level=0 type=0 clock=420 held");
    EXPECT_TRUE(Game().Won());
    EXPECT_EQ(Records().TrainingRecordTimes[0], 420);
}

// A file cut short or out of range, one whose digits break the rules of its regions, and a
// challenge stage whose clock has reached its limit (350 seconds on the first stage at level
// 2): it could only end the moment it loads. Then a file named on the command line: explained
// when it cannot be opened, on its board when it can.
TEST_F(PlayLoop, DamagedFileIsRefusedWithAMessageAndAGoodOneOnTheCommandLineStarts) {
    SavedGame twice = SampleGame(SavedGame::Kind::Training, {0, 1});
    twice.current[0][0] = twice.current[0][1] = 5; // the same digit twice in row 0
    SavedGame late = SampleGame(SavedGame::Kind::Challenge, {10, 40});
    late.level = 2;
    late.ct_m = 5;
    late.ct_s = 50;
    Settings().Level = 2;
    Menu().init();
    Tick();
    const std::string path = SavePath("bad.sv");
    for (const std::string& bytes :
         {"T9" + std::string(400, '\0'), EncodeSavedGame(twice), EncodeSavedGame(late)}) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes).empty());
        platform.fileNames = {path};
        Click(place::LoadGame);
        EXPECT_EQ(platform.asked.back(),
                  "message: Korvel Sudoku | The file " + path +
                      " is not a saved game of Korvel Sudoku, or it is damaged.");
        EXPECT_EQ(DescribeGame(), "screen=0 training level=2 type=0 clock=0 held");
        EXPECT_EQ(Game().Model().ThePuzzle().givens, Grid{});
    }

    const std::string gone =
        "message: Korvel Sudoku | The file " + SavePath("gone.sv") + " could not be opened.";
    platform.fileNames = {SavePath("gone.sv")};
    Click(place::LoadGame);
    EXPECT_EQ(platform.asked.back(), gone);
    platform.asked.clear();
    OpenSavedGame(SavePath("gone.sv"));
    EXPECT_EQ(platform.asked, Lines{gone});
    Tick();
    EXPECT_EQ(App().CurrentScreen, 0);

    SavedGame saved = late;
    saved.ct_s = 49; // a second short of the stage's limit
    ASSERT_TRUE(WriteFileAtomically(SavePath("26-01-31.sv"), EncodeSavedGame(saved)).empty());
    OpenSavedGame(SavePath("26-01-31.sv"));
    EXPECT_EQ(DescribeGame(), "screen=2 stage=0/2 score=0/-1 level=0 type=0 clock=349 running");
    EXPECT_EQ(Game().Model().ThePuzzle().givens, saved.given);
    EXPECT_EQ(platform.asked, Lines{gone}) << "nothing more asked";
}

TEST(SaveName, IsTheDateWithTwoDigitsEach) {
    EXPECT_EQ(DefaultSaveName(2026, 12, 5), "26-12-05.sv");
    EXPECT_EQ(DefaultSaveName(2100, 1, 31), "00-01-31.sv");
}

using ButtonsAtRest = GameFixture;

// Each screen and dialog is reached twice by clicks and shown with the pointer left where
// the last click was: nothing may look lit before the pointer moves onto it.
TEST_F(ButtonsAtRest, EveryScreenShowsItsButtonsAtRestEachTimeItIsShown) {
    Helpsrc().init(); // as start-up does
    using Step = std::function<void()>;
    const auto clicks = [](std::vector<QPoint> points) -> Step {
        return [points] {
            for (QPoint at : points)
                Click(at), Tick();
        };
    };
    const Step title = [] { Navigator().ReturnToMenu(); }, game = [] { StartRegular({10, 40}); };
    // Won by keys after an option's click: the cursor stays on the last cell and the
    // option under the pointer.
    const Step win = [] {
        StartRegular({40});
        Click({91, 580});
        Keys({KeyRight, KeyRight, KeyEnter});
        PressNumber(static_cast<int16_t>(Solved(4, 4)));
    };
    const Step newGame = [] { Click(DialogOk), Tick(), StartRegular({10, 40}); };
    const Step timeOut = [] {
        StartChallenge(0, 0, {10});
        Clock() = {true, 0, 7, 29, 0}; // a second before the first stage's limit
        Tick(TicksPerSecond);
    };
    // From where it starts, each visit goes there and back twice, reaching `there`, then `back`.
    const struct {
        Step start, reach, leave;
        int there, back;
    } visits[] = {
        {title, clicks({place::Help}), clicks({HelpClose}), 6, 0},
        {title, clicks({place::LoadGame}), clicks({}), 0, 0},
        {title, clicks({BeginGame}), clicks({OptionsOk, MainMenu, ConfirmOk}), 1, 0},
        {title, clicks({BeginGame, OptionsOk}), clicks({MainMenu, ConfirmOk}), 2, 0},
        {title, clicks({place::BestRecords}), clicks({RecordsClose}), 3, 0},
        {title, win, newGame, 5, 2},
        {title, clicks({BeginGame, Challenge, OptionsOk}), clicks({Continue, MainMenu, ConfirmOk}),
         8, 0},
        {title, timeOut, clicks({DialogOk}), 9, 0},
        {game, clicks({HowToPlay}), clicks({HelpClose}), 6, 2},
        {game, clicks({place::Pause}), clicks({Continue}), 7, 2},
        {game, clicks({Restart}), clicks({ConfirmCancel}), 10, 2},
        {game, clicks({place::Save}), clicks({}), 2, 2},
    };
    // The frame, once a dialog has finished opening, looks as it does with the pointer off
    // every widget; no clock second passes in between.
    const auto atRest = [](int screen) {
        EXPECT_EQ(App().CurrentScreen, screen);
        Clock().ClockTicks = 0;
        Tick(4);
        const std::vector<uint32_t> shown = Drawing().plan.look;
        DispatchMouseMove(0, 0);
        Tick(4);
        return shown == Drawing().plan.look;
    };
    for (size_t v = 0; v < std::size(visits); ++v) {
        visits[v].start();
        for (int time = 1; time <= 2; ++time) {
            visits[v].reach();
            EXPECT_TRUE(atRest(visits[v].there)) << "visit " << v << ", time " << time;
            visits[v].leave();
            EXPECT_TRUE(atRest(visits[v].back)) << "back from visit " << v << ", time " << time;
        }
    }
}

// A game left open when the window closes comes back at the next start.
class Resume : public GameFixture {
protected:
    static bool Kept() { return FileExists(ResumePath()); }

    // The window closes; the next start draws on a new surface.
    static void Close() { Form_Unload(), StartDrawing(800, 608); }

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

TEST_F(Resume, AGameLeftOpenIsOfferedAndComesBackOrIsLetGo) {
    Settings().Level = 2;
    StartRegular({10, 11, 12, 40});
    for (int cell : {10, 12, 40}) // every hint spent
        Enter(cell, HintButton);
    Mark(11, 5);
    SetClock(0, 3, 0);
    CloseAndStartAgain();
    ASSERT_EQ(App().CurrentScreen, ConfirmDialog);
    Tick(4);
    EXPECT_FALSE(TextsWith("Continue the game you left?").empty());

    Click(ConfirmOk);
    EXPECT_EQ(DescribeGame({10, 11}),
              "screen=2 training level=2 type=0 clock=180 running 10=5 11={5}");
    EXPECT_EQ(Game().Model().HintsLeft(), 0) << "closing gives no hint back";
    EXPECT_FALSE(Kept()) << "the game it held is on the board";
    EXPECT_TRUE(platform.asked.empty());

    // Offered again, Cancel lets it go; a damaged one is named once and removed.
    CloseAndStartAgain();
    Click(ConfirmCancel);
    EXPECT_EQ(App().CurrentScreen, TitleScreen);
    EXPECT_FALSE(Kept());
    ASSERT_EQ(WriteFileAtomically(ResumePath(), "T0 not a game"), "");
    OfferResume();
    Click(ConfirmOk);
    EXPECT_EQ(platform.asked, (Lines{"message: Korvel Sudoku | The file " + ResumePath() +
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
        {"a question over the board", false, [] { Click(Restart); }, true},
        {"paused", false, [] { Navigator().Show(PauseDialog); }, true},
        {"back on the title", false, [] { Navigator().ReturnToMenu(); }, true},
        {"loading", false, [] { App().CurrentScreen = LoadingScreen; }, false},
        {"won", false, [] { Enter(10, Solved(1, 1) - 1); }, false},
        {"given up", false, [] { Confirm(Solution); }, false},
        {"timed out", true, [] { Clock().ct_m = 7, Clock().ct_s = 29, Tick(40); }, false},
        {"between stages", true, [] { Enter(10, Solved(1, 1) - 1); }, true},
    };
    for (const auto& c : cases) {
        Settings().TrainingMode = true;
        c.challenge ? StartChallenge(0, 0, {10}) : StartRegular({10});
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
