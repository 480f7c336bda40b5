#include "common/Navigation.h"
#include "common/Sound.h"
#include "common/Switches.h"
#include "dialogs/clsWaiting.h"
#include "dialogs/clsWinDlg.h"
#include "game/GameFixture.h"
#include "persist/BestRecords.h"
#include "persist/FileIO.h"
#include "persist/SavedGameFile.h"
#include "persist/SavedGames.h"
#include "screens/screenMenu.h"
#include "support/SampleGames.h"

#include <QFile>
#include <algorithm>
#include <string>

namespace {

// Command buttons on the left, by their tops; dialog buttons at their centres.
QPoint Command(int top) { return {92, top + 16}; }
const QPoint SaveButton = Command(65);
const QPoint PauseButton = Command(105);
const QPoint RestartButton = Command(185);
const QPoint SolutionButton = Command(225);
const QPoint MenuButton = Command(265);
const QPoint ConfirmOk{520, 356};
const QPoint ConfirmCancel{340, 356};
const QPoint DialogButton{520, 351};
const QPoint LoadGameButton{365, 280};

const std::string NamePrompt =
    "Congratulations! You broken the best record,please input your name:";

class PlayLoop : public GameFixture {
protected:
    void SetClock(int h, int m, int s) {
        Clock().ct_h = static_cast<int16_t>(h);
        Clock().ct_m = static_cast<int16_t>(m);
        Clock().ct_s = static_cast<int16_t>(s);
    }
    void StartChallenge(int stage, int level, std::initializer_list<int> holes) {
        Settings().TrainingMode = false;
        Settings().Stage = static_cast<uint8_t>(stage);
        Settings().ChallengeLevel = static_cast<int16_t>(level);
        StartRegular(holes);
    }
    // The last cell of a game started with the single hole 40.
    void FillLastCell() { Enter(40, Solved(4, 4) - 1); }

    long Count(const std::string& line) const {
        return std::count(platform.asked.begin(), platform.asked.end(), line);
    }
    long Played(const std::string& command) const {
        return std::count(sounds.begin(), sounds.end(), command);
    }
    std::string FileBytes(const std::string& name) const {
        return ReadFileHead(App().RecordsFolder + "/" + name, 1000).value_or("(missing)");
    }
    std::string SavePath(const char* name) const { return App().SaveFolder + "/" + name; }
    static bool ClockRuns() { return Clock().ctimer; }
};

TEST_F(PlayLoop, FinishedTrainingGameChimesKeepsItsRecordAndShowsTheWinDialog) {
    Settings().Level = 1;
    StartRegular({40});
    SetClock(0, 5, 0);
    platform.names = {"Ann"};
    FillLastCell();

    EXPECT_EQ(Played("play Con from 0"), 1);
    EXPECT_EQ(platform.asked,
              (std::vector<std::string>{"name: Best record-Tranning | " + NamePrompt}));
    EXPECT_EQ(Records().TrainingRecordTimes[1], 300);
    EXPECT_EQ(App().CurrentScreen, 5);
    EXPECT_FALSE(ClockRuns());

    ClickAt(DialogButton);
    EXPECT_EQ(App().CurrentScreen, 0);

    // The same time again is no new record; with sound off there is no chime either.
    Switches().SoundOn = 0;
    StartRegular({40});
    SetClock(0, 5, 0);
    FillLastCell();
    EXPECT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(Played("play Con from 0"), 1);
    EXPECT_EQ(App().CurrentScreen, 5);

    // Over nine hours the time stays positive and is no record against five minutes.
    StartRegular({40});
    SetClock(9, 6, 8);
    FillLastCell();
    EXPECT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(Records().TrainingRecordTimes[1], 300);
}

TEST_F(PlayLoop, ARecordBelowZeroGivesWayAndAChallengeTieKeepsItsHolder) {
    // A time stored below zero (an old wrapped clock) is no record.
    Records().TrainingRecordTimes[2] = -30000;
    UpdateBestRecord(4000, 2);
    EXPECT_EQ(Records().TrainingRecordTimes[2], 4000);

    Settings().TrainingMode = false;
    Records().ChallengeRecordScores[1] = 5000;
    platform.asked.clear();
    UpdateBestRecord(5000, 1);
    EXPECT_TRUE(platform.asked.empty());
    UpdateBestRecord(5001, 1);
    EXPECT_EQ(platform.asked, (std::vector<std::string>{"name: Best record | " + NamePrompt}));
    EXPECT_EQ(FileBytes("hhs.rec").substr(36 + 32, 4), std::string("\x89\x13\0\0", 4));
}

TEST_F(PlayLoop, SolvedChallengeStageScoresAndDealsTheNextStage) {
    StartChallenge(0, 0, {40});
    SetClock(0, 2, 0);
    GameIntf().ClockSecond(0, 2, 0); // the clock second that reads 120
    FillLastCell();

    EXPECT_EQ(Settings().Stage, 1);
    EXPECT_EQ(Settings().ChallengeScore, 880);
    EXPECT_EQ(Settings().LastStageScore, 880) << "the stage dialog shows it";
    EXPECT_EQ(App().CurrentScreen, 8) << "the next stage is announced";
    EXPECT_EQ(Settings().PuzzleType, 1);
    EXPECT_EQ(Clock().ct_m, 0) << "and timed from zero";
    EXPECT_TRUE(platform.asked.empty()) << "no record before the challenge ends";
}

TEST_F(PlayLoop, TenthStageEndsTheChallengeWithItsRecordAndTheWinDialog) {
    StartChallenge(9, 2, {40});
    Settings().ChallengeScore = 8888;
    GameIntf().ClockSecond(0, 1, 40);
    platform.names = {"Cy"};
    pumps.clear();
    FillLastCell();

    EXPECT_EQ(Settings().Stage, 10);
    EXPECT_EQ(Settings().ChallengeScore, 8888 + 900);
    EXPECT_EQ(Records().ChallengeRecordScores[2], 9788);
    EXPECT_EQ(FileBytes("hhs.rec").substr(72, 2), "Cy");
    EXPECT_EQ(App().CurrentScreen, 5);
    EXPECT_TRUE(pumps.empty()) << "no further stage is dealt";
}

TEST_F(PlayLoop, RunningOutOfTimeEndsTheChallengeOnceEvenOverAQuestionOrTheSolution) {
    StartChallenge(0, 2, {10, 40});
    Settings().ChallengeScore = 640;
    SetClock(0, 5, 49);
    ClickAt(RestartButton);
    ASSERT_EQ(App().CurrentScreen, 10);
    Tick(TicksPerSecond);

    EXPECT_EQ(App().CurrentScreen, 9) << "the game-over dialog";
    EXPECT_FALSE(ClockRuns());
    EXPECT_EQ(Game().StageSeconds(), 350);
    EXPECT_EQ(Count("name: Best record | " + NamePrompt), 1);
    Tick(TicksPerSecond * 3);
    EXPECT_EQ(platform.asked.size(), 1u) << "the prompt is not raised again";
    ClickAt(DialogButton);
    EXPECT_EQ(App().CurrentScreen, 0);

    StartChallenge(0, 2, {10, 40});
    ClickAt(SolutionButton);
    ClickAt(ConfirmOk);
    SetClock(0, 5, 49);
    Tick(TicksPerSecond);
    EXPECT_EQ(App().CurrentScreen, 9) << "giving up does not stop the stage's clock";
}

TEST_F(PlayLoop, CancelledQuestionsLeaveTheGameAsItWas) {
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    const Grid before = Game().Model().Now().digits;
    for (QPoint button : {RestartButton, MenuButton, SolutionButton}) {
        ClickAt(button);
        ASSERT_EQ(App().CurrentScreen, 10);
        ClickAt(ConfirmCancel);
        EXPECT_EQ(App().CurrentScreen, 2);
        EXPECT_EQ(Game().Model().Now().digits, before);
        EXPECT_FALSE(Switches().SolutionShown);
        EXPECT_TRUE(ClockRuns());
        EXPECT_EQ(Game().Model().HintsLeft(), 3);
    }
}

TEST_F(PlayLoop, RestartDealsTheSamePuzzleWithFreshHintsAndClock) {
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    Enter(20, 10); // a hint
    SetClock(0, 3, 7);
    ClickAt(RestartButton);
    ClickAt(ConfirmOk);

    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Game().Model().Now().digits, Sudoku().GivenGrid);
    EXPECT_EQ(Game().Cell(10).Digit(), 0);
    EXPECT_EQ(Game().Model().HintsLeft(), 3);
    EXPECT_EQ(Game().Selected(), -1);
    EXPECT_EQ(Clock().ct_m, 0);
    EXPECT_EQ(Clock().ct_s, 0);
    EXPECT_TRUE(ClockRuns());
}

TEST_F(PlayLoop, GivingUpShowsTheSolutionAndLeavesOnlyTheWayBackToTheMenu) {
    StartRegular({10, 20, 40});
    ClickAt(SolutionButton);
    ClickAt(ConfirmOk);

    EXPECT_TRUE(Switches().SolutionShown);
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(Game().CommandEnabled(c), c == 5) << "command " << c;
    EXPECT_EQ(Game().Cell(40).Digit(), Solved(4, 4));
    EXPECT_EQ(Value(40), 0) << "the grid itself is not filled";
    EXPECT_TRUE(ClockRuns());
    EXPECT_FALSE(Game().Won());

    DispatchKeyDown(KeyS, CtrlKey);
    EXPECT_TRUE(platform.asked.empty()) << "a given-up game cannot be saved";
    ClickAt(CellCenter(10));
    EXPECT_FALSE(Game().PadOpen());

    ClickAt(MenuButton);
    ClickAt(ConfirmOk);
    EXPECT_EQ(App().CurrentScreen, 0);
    EXPECT_FALSE(ClockRuns());

    StartRegular({10});
    EXPECT_TRUE(Game().CommandEnabled(0)) << "a new game enables the commands again";
}

TEST_F(PlayLoop, SavedTrainingGameComesBackFromTheTitle) {
    Settings().Level = 1;
    StartRegular({10, 20, 40});
    Enter(10, Solved(1, 1) - 1);
    ClickAt(CellCenter(20));
    Tick();
    ClickAt(PadButtonCenter(20, 11)); // the pencil
    ClickAt(PadButtonCenter(20, 2));  // a mark 3
    SetClock(0, 1, 5);
    const std::string path = SavePath("mine.sv");
    platform.fileNames = {path};
    ClickAt(SaveButton);

    const QDate today = QDate::currentDate();
    const std::string proposed =
        SavePath(DefaultSaveName(today.year(), today.month(), today.day()).c_str());
    EXPECT_EQ(platform.asked, (std::vector<std::string>{
                                  "save: Save Game to file | " + proposed,
                                  "message: Korvel Sudoku | Game has been saved to " + path}));
    const std::string bytes = ReadFileHead(path, 1000).value_or("");
    ASSERT_EQ(bytes.size(), 334u + 170) << "the marks follow the game";
    EXPECT_EQ(bytes.substr(0, 4), std::string("T0\x01\0", 4));
    EXPECT_TRUE(ClockRuns()) << "saving does not stop the clock";

    const Grid saved = Game().Model().Now().digits;
    ClickAt(MenuButton);
    ClickAt(ConfirmOk);
    ResetSudoku();
    Settings().Level = 0;
    platform.asked.clear();
    platform.fileNames = {path};
    Tick();
    ClickAt(LoadGameButton);

    EXPECT_EQ(platform.asked, (std::vector<std::string>{"open: Open Game save file | " + path}))
        << "the open dialog starts at the name last chosen";
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Game().Model().Now().digits, saved);
    EXPECT_EQ(Settings().Level, 1);
    EXPECT_EQ(Game().Cell(10).Digit(), Solved(1, 1));
    EXPECT_TRUE(Game().Cell(10).Enabled) << "an entry stays editable";
    EXPECT_EQ(Game().Cell(20).Marks(), DigitBit(3));
    EXPECT_FALSE(Game().PencilMode()) << "a loaded game starts with the pencil off";
    EXPECT_EQ(Clock().ct_m, 1);
    EXPECT_EQ(Clock().ct_s, 5);
    EXPECT_TRUE(ClockRuns());
}

TEST_F(PlayLoop, SavingOverAFileAsksFirstAndCtrlSSavesToo) {
    StartRegular({10});
    const std::string path = SavePath("old.sv");
    ASSERT_TRUE(WriteFileAtomically(path, "keep me").empty());

    platform.fileNames = {path};
    platform.answers = {Platform::Answer::No};
    DispatchKeyDown(KeyS, CtrlKey);
    EXPECT_EQ(platform.asked.back(),
              "message: Save file | File already exists. Do you want to replace it?");
    EXPECT_EQ(ReadFileHead(path, 100), "keep me");

    platform.fileNames = {path};
    platform.answers = {Platform::Answer::Yes};
    DispatchKeyDown(KeyS, CtrlKey);
    EXPECT_EQ(platform.asked.back(), "message: Korvel Sudoku | Game has been saved to " + path);
    EXPECT_EQ(ReadFileHead(path, 1000).value_or("").size(), 334u);

    platform.fileNames = {};
    const auto count = platform.asked.size();
    ClickAt(SaveButton); // cancelled: no message
    EXPECT_EQ(platform.asked.size(), count + 1);
}

TEST_F(PlayLoop, SavedChallengeComesBackOnItsStageWithItsScore) {
    StartChallenge(4, 1, {10, 40});
    Settings().ChallengeScore = 3500;
    Settings().LastStageScore = 700;
    const std::string path = SavePath("run.sv");
    platform.fileNames = {path};
    ClickAt(SaveButton);

    Navigator().ReturnToMenu();
    Settings() = GameSettings{};
    FillStageTables();
    platform.fileNames = {path};
    Tick();
    ClickAt(LoadGameButton);

    const GameSettings& s = Settings();
    EXPECT_FALSE(s.TrainingMode);
    EXPECT_EQ(s.Stage, 4);
    EXPECT_EQ(s.ChallengeLevel, 1);
    EXPECT_EQ(s.ChallengeScore, 3500);
    EXPECT_EQ(s.LastStageScore, -1) << "the file does not say what the last stage scored";
    EXPECT_EQ(s.PuzzleType, 0);
    EXPECT_EQ(s.Level, 1) << "the stage's level";
    EXPECT_EQ(App().CurrentScreen, 2) << "a loaded stage is not announced again";
}

TEST_F(PlayLoop, LoadedGameThatWasAlreadySolvedFinishesAtOnce) {
    StartRegular({});
    SetClock(0, 7, 0);
    const std::string path = SavePath("done.sv");
    platform.fileNames = {path};
    ClickAt(SaveButton);
    Navigator().ReturnToMenu();
    platform.fileNames = {path};
    platform.asked.clear();
    Tick();
    ClickAt(LoadGameButton);

    EXPECT_EQ(App().CurrentScreen, 5) << "the win dialog over the loaded board";
    EXPECT_TRUE(Game().Won());
    EXPECT_FALSE(ClockRuns());
    EXPECT_EQ(Played("play Con from 0"), 1);
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
        ClickAt(LoadGameButton);
        EXPECT_EQ(platform.asked.back(),
                  "message: Korvel Sudoku | The file " + path +
                      " is not a saved game of Korvel Sudoku, or it is damaged.");
        EXPECT_EQ(App().CurrentScreen, 0);
        EXPECT_EQ(Settings().Level, 2);
        EXPECT_EQ(Game().Model().ThePuzzle().givens, Grid{});
        EXPECT_FALSE(ClockRuns());
    }

    platform.fileNames = {SavePath("none.sv")};
    ClickAt(LoadGameButton);
    EXPECT_EQ(platform.asked.back(),
              "message: Korvel Sudoku | The file " + SavePath("none.sv") + " could not be opened.");
}

TEST_F(PlayLoop, LoadedPuzzleHintsFromItsOwnSolution) {
    // A previous game's solution that fits every given but differs in the hole.
    Grid& previous = Sudoku().SolutionGrid;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            previous[r][c] = static_cast<int16_t>(Solved(r, c));
    previous[4][4] = static_cast<int16_t>(Solved(4, 4) % 9 + 1);
    const std::string path = SavePath("fresh.sv");
    ASSERT_TRUE(
        WriteFileAtomically(path, EncodeSavedGame(SampleGame(SavedGame::Kind::Training, {40})))
            .empty());
    const auto loaded = LoadGameFrom(path);
    ASSERT_TRUE(loaded);
    Waiting().BeginLoad(*loaded);
    Enter(40, 10); // the hint
    EXPECT_EQ(Value(40), Solved(4, 4));
}

TEST(SaveName, IsTheDateWithTwoDigitsEach) {
    EXPECT_EQ(DefaultSaveName(2026, 12, 5), "26-12-05.sv");
    EXPECT_EQ(DefaultSaveName(2100, 1, 31), "00-01-31.sv");
}

} // namespace
