#include "engine/Generator.h"
#include "game/GameFixture.h"
#include "shell/Switches.h"

#include <algorithm>

namespace {

constexpr int EraserButton = 9;
constexpr int HintButton = 10;
constexpr int PencilBox = 11;

// Option radios: group g has "ON" at (65, y) and "OFF" at (123, y).
QPoint OptionRadio(int group, bool on) {
    constexpr int Tops[] = {425, 473, 522, 571};
    return {on ? 90 : 148, Tops[group] + 9};
}

class GameScreenTest : public GameFixture {};

TEST_F(GameScreenTest, ClickingAnEditableCellOpensThePadAndADigitGoesIn) {
    StartRegular({10, 20});
    ClickAt(CellCenter(0));
    EXPECT_FALSE(Game().PadOpen()) << "a given cell opens nothing";
    ClickAt(CellCenter(10));
    EXPECT_EQ(Game().Selected(), 10);
    Tick();
    ClickAt(PadButtonCenter(10, Solved(1, 1) - 1));
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(10), Solved(1, 1));

    Enter(10, Solved(1, 1) - 1);
    EXPECT_EQ(Value(10), Solved(1, 1)) << "the cell's own digit never clashes with itself";
}

TEST_F(GameScreenTest, ClashingDigitIsRefusedAndTheOtherCellFlashes) {
    StartRegular({10, 20});
    const int rowDigit = Solved(1, 0); // given at cell 9, same row as cell 10
    Enter(10, rowDigit - 1);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(10).Text(), "0");
    EXPECT_EQ(Game().Cell(9).Ckframe, 5);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "play Click from 0"), 1);

    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        Tick(2); // the flash steps on every second tick
        frames.push_back(Game().Cell(9).Ckframe);
    }
    EXPECT_EQ(frames, (std::vector<int>{4, 3, 2, 1, 0, 0}));

    Switches().SoundOn = 0;
    Enter(10, rowDigit - 1);
    EXPECT_EQ(Game().Cell(9).Ckframe, 5);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "play Click from 0"), 1)
        << "no click with sound off";

    Enter(20, Solved(2, 0) - 1); // clashes with cell 18; stops the first flash
    EXPECT_EQ(Game().Cell(9).Ckframe, 0);
    EXPECT_EQ(Game().Cell(18).Ckframe, 5);
}

TEST_F(GameScreenTest, EraserSpaceAndColonEmptyTheCellAndStopTheFlash) {
    StartRegular({10, 11, 20});
    PressNumber(static_cast<int16_t>(Solved(1, 1)));
    EXPECT_EQ(Value(10), 0) << "digit keys need the pad open";
    Enter(10, Solved(1, 1) - 1);
    Enter(11, Solved(1, 0) - 1); // refused: flashes cell 9
    Enter(10, EraserButton);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(9).Ckframe, 0);

    for (auto erase : {+[] { DispatchKeyDown(KeySpace, 0); }, +[] { PressNumber(':' - 48); }}) {
        Enter(10, Solved(1, 1) - 1);
        ClickAt(CellCenter(10));
        erase();
        EXPECT_EQ(Value(10), 0);
        EXPECT_FALSE(Game().PadOpen());
    }
}

TEST_F(GameScreenTest, ThreeHintsThenTheHintButtonIsDisabled) {
    StartRegular({10, 11, 12, 13});
    for (int cell : {10, 11, 12})
        Enter(cell, HintButton);
    EXPECT_EQ(Value(10), Solved(1, 1));
    EXPECT_EQ(Value(12), Solved(1, 3));
    EXPECT_EQ(Game().Hints(), 0);

    ClickAt(CellCenter(13));
    Tick();
    EXPECT_FALSE(Game().PadButton(HintButton).Enable);
    ClickAt(PadButtonCenter(13, HintButton));
    EXPECT_EQ(Value(13), 0);
    EXPECT_FALSE(Game().PadOpen()) << "a disabled button counts as a click beside the pad";
}

TEST_F(GameScreenTest, HintRefusedByAWrongEntryStillCostsAHint) {
    // Cell 10's digit is open in cell 11's row, column (cell 56) and box, so the player
    // may put it there by mistake; the hint for cell 10 then clashes.
    StartRegular({10, 11, 56});
    const int digit = Solved(1, 1);
    Enter(11, digit - 1);
    ASSERT_EQ(Value(11), digit);
    Enter(10, HintButton);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(11).Ckframe, 5);
    EXPECT_EQ(Game().Hints(), 2);
}

TEST_F(GameScreenTest, HintsWorkWhenTheSolutionWasNotKept) {
    StartRegular({10, 11});
    Sudoku().SolutionGrid = {};
    Begin(); // as after loading a saved game
    Enter(11, HintButton);
    EXPECT_EQ(Value(11), Solved(1, 2));
}

TEST_F(GameScreenTest, PencilMarksStayOutOfTheGridAndHintsIgnorePencilMode) {
    StartRegular({10, 11});
    ClickAt(CellCenter(10));
    Tick();
    ClickAt(PadButtonCenter(10, PencilBox));
    EXPECT_TRUE(Game().PadOpen()) << "the pencil box keeps the pad open";
    EXPECT_TRUE(Game().PencilMode());
    ClickAt(PadButtonCenter(10, 4));
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(10).Text(), "5");
    EXPECT_TRUE(Game().Cell(10).Pencil());

    ClickAt(CellCenter(11));
    EXPECT_FALSE(Game().PencilMode()) << "opening the pad by click clears pencil mode";
    Tick();
    ClickAt(PadButtonCenter(11, PencilBox));
    ClickAt(PadButtonCenter(11, HintButton));
    EXPECT_EQ(Value(11), Solved(1, 2));
    EXPECT_FALSE(Game().Cell(11).Pencil());
}

TEST_F(GameScreenTest, RightClickAndClicksBesideThePadCloseIt) {
    StartRegular({10});
    ClickAt(CellCenter(10));
    Tick();
    ClickAt(PadButtonCenter(10, PencilBox), 2);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_TRUE(Game().PencilMode()) << "a right click on the box still flips it";

    ClickAt(CellCenter(10));
    Tick();
    ClickAt({700, 20});
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(10), 0);
}

TEST_F(GameScreenTest, PadStaysOnScreenNearTheBottomRight) {
    StartRegular({0, 8, 72, 80});
    Enter(80, Solved(8, 8) - 1);
    EXPECT_EQ(Value(80), Solved(8, 8)) << "the pad opened on the last cell sits at (620, 400)";
    Enter(0, 0);
    EXPECT_EQ(Value(0), 1) << "on the first cell it sits on the cell";
    // Each edge moves the pad along its own axis only.
    Enter(8, Solved(0, 8) - 1);
    EXPECT_EQ(Value(8), Solved(0, 8)) << "right edge: (620, 38)";
    Enter(72, Solved(8, 0) - 1);
    EXPECT_EQ(Value(72), Solved(8, 0)) << "bottom edge: (222, 400)";
}

TEST_F(GameScreenTest, ArrowKeysSkipGivenCellsAndRunOnAcrossRows) {
    StartRegular({5, 8, 12, 14, 41, 77});
    DispatchKeyDown(KeyEnter, 0);
    EXPECT_FALSE(Game().PadOpen()) << "no cursor yet";
    DispatchKeyDown(KeyRight, 0);
    EXPECT_EQ(Game().Cursor(), 0) << "the first arrow puts the cursor on cell 0";
    DispatchKeyDown(KeyEnter, 0);
    EXPECT_FALSE(Game().PadOpen()) << "cell 0 is given";

    const std::pair<int16_t, int> moves[] = {
        {KeyRight, 5}, {KeyRight, 8}, {KeyRight, 12}, {KeyDown, 12}, {KeyRight, 14},
        {KeyDown, 41}, {KeyDown, 77}, {KeyDown, 77},  {KeyUp, 41},   {KeyUp, 14},
        {KeyUp, 5},    {KeyUp, 5},    {KeyLeft, 5},   {KeyDown, 14}, {KeyDown, 41}};
    for (const auto& [key, expected] : moves) {
        DispatchKeyDown(key, 0);
        EXPECT_EQ(Game().Cursor(), expected) << "key " << key;
    }
    DispatchKeyDown(KeyEnter, 0);
    EXPECT_TRUE(Game().PadOpen());
    EXPECT_EQ(Game().Selected(), 41);
    DispatchKeyDown(KeyRight, 0);
    EXPECT_EQ(Game().Cursor(), 41) << "arrows rest while the pad is open";
}

TEST_F(GameScreenTest, PadAssistDisablesDigitsThatClash) {
    StartRegular({10, 11, 12});
    ClickAt(OptionRadio(2, true));
    EXPECT_EQ(Switches().PadAssist, 1);
    ClickAt(CellCenter(10));
    Tick();
    // Column 1 holds every digit but cell 10's own.
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(Game().PadButton(d - 1).Enable, d == Solved(1, 1)) << "digit " << d;
    }
    EXPECT_TRUE(Game().PadButton(EraserButton).Enable);

    ClickAt({5, 5});
    ClickAt(OptionRadio(2, false));
    EXPECT_EQ(Switches().PadAssist, 0);
    ClickAt(CellCenter(10));
    Tick();
    for (int b = 0; b < 9; ++b)
        EXPECT_TRUE(Game().PadButton(b).Enable);
}

TEST_F(GameScreenTest, FillingTheLastCellStopsTheClockAndShowsTheDigit) {
    StartRegular({40});
    Enter(40, Solved(4, 4) - 1);
    EXPECT_TRUE(Game().Win);
    EXPECT_FALSE(Clock().ctimer);
    EXPECT_EQ(Game().Cell(40).Text(), QString::number(Solved(4, 4)));

    StartRegular({});
    EXPECT_FALSE(Game().Win);
    Game().Reload(); // a saved game that was already complete
    EXPECT_TRUE(Game().Win);
    EXPECT_FALSE(Clock().ctimer);
}

TEST_F(GameScreenTest, MusicRestartsOnlyOnChangeButSoundIsStoredOnEveryRelease) {
    StartRegular({10});
    sounds.clear();
    ClickAt(OptionRadio(1, false)); // already selected: music is off at start
    EXPECT_TRUE(sounds.empty());
    ClickAt(OptionRadio(1, true));
    EXPECT_EQ(Switches().MusicOn, 1);
    EXPECT_EQ(sounds.back(), "play bg" + std::to_string(Switches().MusicTrack) + " repeat");
    const size_t sent = sounds.size();
    ClickAt(OptionRadio(1, true));
    EXPECT_EQ(sounds.size(), sent);

    Switches().SoundOn = 0; // behind the group's back: it still shows "ON"
    ClickAt(OptionRadio(0, true));
    EXPECT_EQ(Switches().SoundOn, 1);
}

TEST_F(GameScreenTest, HighlightMarksRowColumnAndRegionOfThePointer) {
    StartRegular({40});
    ClickAt(OptionRadio(3, true));
    DispatchMouseMove(static_cast<int16_t>(CellCenter(40).x()),
                      static_cast<int16_t>(CellCenter(40).y()));
    Tick();
    auto framed = [](int cell) {
        return Pixel(222 + 60 * (cell % 9) + 1, 38 + 60 * (cell / 9) + 1);
    };
    EXPECT_EQ(framed(36), FrameColor) << "same row";
    EXPECT_EQ(framed(4), FrameColor) << "same column";
    EXPECT_EQ(framed(30), FrameColor) << "same box";
    EXPECT_NE(framed(0), FrameColor);
    EXPECT_NE(framed(80), FrameColor);
}

TEST_F(GameScreenTest, RegularBoardShadesAlternateByBox) {
    StartRegular({});
    Tick();
    auto corner = [](int r, int c) { return Pixel(222 + 60 * c + 1, 38 + 60 * r + 1); };
    EXPECT_EQ(corner(4, 0), ShadeColor(1));
    EXPECT_EQ(corner(4, 4), ShadeColor(0));
    EXPECT_EQ(corner(8, 8), ShadeColor(0));
    EXPECT_EQ(corner(1, 4), ShadeColor(1));
}

TEST_F(GameScreenTest, DealtNonominoBoardShowsItsRegionsAndPlays) {
    Settings().PuzzleType = 3;
    Settings().Level = 1;
    PrepareNewPuzzle();
    BuildSolution();
    HideCells(Settings().Level);
    Begin();
    Tick();
    for (int i = 0; i < 81; i += 7) {
        const int r = i / 9;
        const int c = i % 9;
        EXPECT_EQ(Pixel(222 + 60 * c + 1, 38 + 60 * r + 56), ShadeColor(GetRegion(c, r) - 1));
    }
    int hole = 0;
    while (Sudoku().GivenGrid[hole / 9][hole % 9] != 0)
        ++hole;
    Enter(hole, HintButton);
    EXPECT_EQ(Value(hole), Sudoku().SolutionGrid[hole / 9][hole % 9]);
}

TEST_F(GameScreenTest, ChallengeShowsTheTimeLeftAsABar) {
    Settings().TrainingMode = false;
    Settings().ChallengeLevel = 2;
    StartRegular({10});
    Game().SetTC(100); // 250 of 350 seconds left: 107 of 150 pixels
    Tick();
    const QRgb filled = Pixel(30 + 106, 30);
    EXPECT_EQ(Pixel(30, 30), filled);
    EXPECT_NE(Pixel(30 + 107, 30), filled);

    Settings().Stage = 10; // a finished challenge: past the stage tables
    Game().SetTC(100);
    Tick(); // the time text reads no table out of range
}

TEST_F(GameScreenTest, ChallengeEndsWhenTheStageTimeRunsOut) {
    Settings().TrainingMode = false;
    Settings().ChallengeLevel = 2;
    StartRegular({10});
    Clock().ct_m = 5;
    Clock().ct_s = 48; // 348 of the first stage's 350 seconds at level Hard
    Tick(40);
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Game().TC, 349);
    Clock().ct_h = 1; // hours do not count against a stage
    Tick(40);
    EXPECT_EQ(App().CurrentScreen, 9) << "the game-over dialog";
    EXPECT_EQ(Game().TC, 350) << "no time left, not less";
}

TEST_F(GameScreenTest, ReopenedPadForgetsTheButtonLastHovered) {
    StartRegular({10, 20});
    ClickAt(CellCenter(10));
    Tick();
    // "9" is what cell 20 takes, so a stale hover would be accepted there.
    const QPoint nine = PadButtonCenter(10, 8);
    DispatchMouseMove(static_cast<int16_t>(nine.x()), static_cast<int16_t>(nine.y()));
    DispatchMouseDown(2); // closes the pad with "9" still hovered
    DispatchKeyDown(KeyRight, 0);
    DispatchKeyDown(KeyEnter, 0);
    ASSERT_TRUE(Game().PadOpen());
    ASSERT_EQ(Game().Selected(), 20);
    DispatchMouseDown(1); // the pointer has not moved since
    EXPECT_EQ(Value(Game().Selected()), 0) << "a click that is not on a pad button enters nothing";
}

} // namespace
