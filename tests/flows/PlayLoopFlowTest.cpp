#include "common/Navigation.h"
#include "common/Switches.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/SavedGameFile.h"
#include "persist/SavedGames.h"
#include "screens/screenMenu.h"
#include "shell/Main.h"
#include "support/GameFixture.h"

#include <algorithm>
#include <string>

namespace {

using namespace place;

using Lines = std::vector<std::string>;
const std::string NamePrompt =
    "Congratulations! You broken the best record,please input your name:";

class PlayLoop : public GameFixture {
protected:
    static void StartChallenge(int stage, int level, std::initializer_list<int> holes) {
        Settings().TrainingMode = false;
        Settings().Stage = static_cast<uint8_t>(stage);
        Settings().ChallengeLevel = static_cast<int16_t>(level);
        StartRegular(holes);
    }
    // The last cell of a game started with the single hole 40.
    static void FillLastCell() { Enter(40, Solved(4, 4) - 1); }

    long Chimes() const { return std::count(sounds.begin(), sounds.end(), "play Con from 0"); }
    std::string FileBytes(const std::string& name) const {
        return ReadFileHead(App().RecordsFolder + "/" + name, 1000).value_or("(missing)");
    }
    std::string SavePath(const char* name) const { return App().SaveFolder + "/" + name; }
    // Back to the title, where LOAD GAME opens the file named next.
    void LoadFromTheTitle(const std::string& path) {
        Navigator().ReturnToMenu();
        platform.fileNames = {path};
        Tick();
        Click(place::LoadGame);
    }
};

TEST_F(PlayLoop, FinishedTrainingGameChimesKeepsItsRecordAndShowsTheWinDialog) {
    Settings().Level = 1;
    StartRegular({40});
    SetClock(0, 5, 0);
    platform.names = {"Ann"};
    FillLastCell();

    EXPECT_EQ(Chimes(), 1);
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
    Click(Solution);
    Click(ConfirmOk);
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
    Click(Restart);
    Click(ConfirmOk);
    EXPECT_EQ(DescribeGame({10, 20, 40}),
              "screen=2 training level=0 type=0 clock=0 running 10=. 20=. 40=.");
    EXPECT_EQ(Game().Model().HintsLeft(), 3);
    EXPECT_EQ(Game().Selected(), -1);

    Click(Solution);
    Click(ConfirmOk);
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

    Click(MainMenu);
    Click(ConfirmOk);
    EXPECT_EQ(DescribeGame(), "screen=0 training level=0 type=0 clock=0 held");
    StartRegular({10});
    EXPECT_TRUE(Game().CommandEnabled(0)) << "a new game enables the commands again";
}

TEST_F(PlayLoop, SavedGamesComeBackFromTheTitleWithTheirMarksClockAndStage) {
    Settings().Level = 1;
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    Enter(20, PencilBox);
    Click(PadButtonCenter(20, 2)); // a mark 3
    SetClock(0, 1, 5);
    const std::string path = SavePath("mine.sv");
    platform.fileNames = {path};
    Click(Save);

    const QDate today = QDate::currentDate();
    const std::string proposed =
        SavePath(DefaultSaveName(today.year(), today.month(), today.day()).c_str());
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
// 2): it could only end the moment it loads.
TEST_F(PlayLoop, DamagedFileIsRefusedWithAMessageAndChangesNothing) {
    SavedGame twice = SampleGame(SavedGame::Kind::Training, {0, 1});
    twice.current[0][0] = twice.current[0][1] = 5; // the same digit twice in row 0
    SavedGame late = SampleGame(SavedGame::Kind::Challenge, {10, 40});
    late.level = 2;
    late.ct_m = 5;
    late.ct_s = 50;
    Settings().Level = 2;
    Menu().init();
    Tick();
    for (const std::string& bytes :
         {"T9" + std::string(400, '\0'), EncodeSavedGame(twice), EncodeSavedGame(late)}) {
        const std::string path = SavePath("bad.sv");
        ASSERT_TRUE(WriteFileAtomically(path, bytes).empty());
        platform.fileNames = {path};
        Click(place::LoadGame);
        EXPECT_EQ(platform.asked.back(),
                  "message: Korvel Sudoku | The file " + path +
                      " is not a saved game of Korvel Sudoku, or it is damaged.");
        EXPECT_EQ(DescribeGame(), "screen=0 training level=2 type=0 clock=0 held");
        EXPECT_EQ(Game().Model().ThePuzzle().givens, Grid{});
    }

    platform.fileNames = {SavePath("none.sv")};
    Click(place::LoadGame);
    EXPECT_EQ(platform.asked.back(),
              "message: Korvel Sudoku | The file " + SavePath("none.sv") + " could not be opened.");
}

// A file named on the command line starts on its board; one that cannot be used is
// explained, then the title stays.
TEST_F(PlayLoop, AFileFromTheCommandLineStartsOnItsBoard) {
    SavedGame saved = SampleGame(SavedGame::Kind::Training, {10, 40});
    saved.ct_m = 4;
    const std::string path = SavePath("26-01-31.sv");
    ASSERT_TRUE(WriteFileAtomically(path, EncodeSavedGame(saved)).empty());
    Menu().init();
    OpenSavedGame(path);
    EXPECT_EQ(DescribeGame(), "screen=2 training level=0 type=0 clock=240 running");
    EXPECT_EQ(Game().Model().ThePuzzle().givens, saved.given);
    EXPECT_TRUE(platform.asked.empty());

    Navigator().ReturnToMenu();
    OpenSavedGame(SavePath("gone.sv"));
    EXPECT_EQ(platform.asked, Lines{"message: Korvel Sudoku | The file " + SavePath("gone.sv") +
                                    " could not be opened."});
    Tick();
    EXPECT_EQ(App().CurrentScreen, 0);
}

TEST(SaveName, IsTheDateWithTwoDigitsEach) {
    EXPECT_EQ(DefaultSaveName(2026, 12, 5), "26-12-05.sv");
    EXPECT_EQ(DefaultSaveName(2100, 1, 31), "00-01-31.sv");
}

} // namespace
