#include "common/Switches.h"
#include "engine/Generator.h"
#include "game/GameFixture.h"

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

class GameScreenTest : public GameFixture {
protected:
    static void OpenPad(int cell) {
        ClickAt(CellCenter(cell));
        Tick();
    }
    long Clicks() const { return std::count(sounds.begin(), sounds.end(), "play Click from 0"); }
};

TEST_F(GameScreenTest, PadChoicesEnterMarkEraseAndHint) {
    StartRegular({10, 11, 12});
    ClickAt(CellCenter(0));
    EXPECT_FALSE(Game().PadOpen()) << "a given cell opens nothing";
    Enter(10, Solved(1, 1) - 1);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(10), Solved(1, 1));

    OpenPad(11);
    ClickAt(PadButtonCenter(11, PencilBox));
    EXPECT_TRUE(Game().PadOpen()) << "the pencil box keeps the pad open";
    ClickAt(PadButtonCenter(11, 4));
    Enter(11, 6);
    EXPECT_EQ(Value(11), 0);
    EXPECT_EQ(Game().Cell(11).Marks(), DigitBit(5) | DigitBit(7))
        << "the pencil stays on when the pad opens again";
    Enter(11, 6);
    EXPECT_EQ(Game().Cell(11).Marks(), DigitBit(5));
    Enter(11, EraserButton);
    EXPECT_EQ(Game().Cell(11).Marks(), 0) << "the eraser clears marks whatever the pencil";

    Enter(12, HintButton);
    EXPECT_EQ(Value(12), Solved(1, 3)) << "a hint is never pencilled";
    EXPECT_EQ(Game().Model().HintsLeft(), 2);
    Enter(10, EraserButton);
    EXPECT_EQ(Value(10), 0);
}

TEST_F(GameScreenTest, RightClickAndClicksBesideThePadCloseIt) {
    StartRegular({10, 11, 12, 13});
    OpenPad(10);
    ClickAt(PadButtonCenter(10, PencilBox), 2);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_TRUE(Game().PencilMode()) << "a right click on the box still flips it";

    OpenPad(10);
    ClickAt({700, 20});
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Game().Cell(10).Marks(), 0);

    ClickAt(PadButtonCenter(10, PencilBox), 1); // off again, beside any pad
    for (int cell : {10, 11, 12})
        Enter(cell, HintButton);
    OpenPad(13);
    ClickAt(PadButtonCenter(13, HintButton));
    EXPECT_EQ(Value(13), 0) << "no hints left: the button is off";
    EXPECT_FALSE(Game().PadOpen()) << "a disabled button counts as a click beside the pad";
}

TEST_F(GameScreenTest, ClashingDigitIsRefusedAndTheOtherCellFlashes) {
    StartRegular({10, 20});
    const int rowDigit = Solved(1, 0); // given at cell 9, same row as cell 10
    Enter(10, rowDigit - 1);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(9).flashStep, 5);
    EXPECT_EQ(Clicks(), 1);

    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        Tick(2); // the flash steps on every second tick
        frames.push_back(Game().Cell(9).flashStep);
    }
    EXPECT_EQ(frames, (std::vector<int>{4, 3, 2, 1, 0, 0}));

    Switches().SoundOn = 0;
    Enter(10, rowDigit - 1);
    EXPECT_EQ(Clicks(), 1) << "no click with sound off";
    Enter(20, Solved(2, 0) - 1); // clashes with cell 18; stops the first flash
    EXPECT_EQ(Game().Cell(9).flashStep, 0);
    EXPECT_EQ(Game().Cell(18).flashStep, 5);
    Enter(20, EraserButton);
    EXPECT_EQ(Game().Cell(18).flashStep, 0);
}

TEST_F(GameScreenTest, AHintRefusedForAWrongEntryFlashesItAndCostsNothing) {
    // Cell 10's digit is open in cell 11's row, column (cell 56) and box, so the player
    // may put it there by mistake, which leaves the grid with no completion.
    StartRegular({10, 11, 56});
    Enter(11, Solved(1, 1) - 1);
    Enter(10, HintButton);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(11).flashStep, 5);
    EXPECT_EQ(Game().Model().HintsLeft(), 3);
}

TEST_F(GameScreenTest, KeysEnterEraseAndMoveOverEditableCells) {
    StartRegular({5, 8, 12, 14, 41, 77});
    PressNumber(3);
    DispatchKeyDown(KeyEnter, 0);
    EXPECT_FALSE(Game().PadOpen()) << "no cursor yet, and digit keys need the pad";
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
    EXPECT_EQ(Game().Selected(), 41);
    DispatchKeyDown(KeyRight, 0);
    EXPECT_EQ(Game().Cursor(), 41) << "arrows rest while the pad is open";
    PressNumber(static_cast<int16_t>(Solved(4, 5)));
    EXPECT_EQ(Value(41), Solved(4, 5));
    for (auto erase : {+[] { DispatchKeyDown(KeySpace, 0); }, +[] { PressNumber(':' - 48); }}) {
        DispatchKeyDown(KeyEnter, 0);
        PressNumber(static_cast<int16_t>(Solved(4, 5)));
        DispatchKeyDown(KeyEnter, 0);
        erase();
        EXPECT_EQ(Value(41), 0);
        EXPECT_FALSE(Game().PadOpen());
    }
}

TEST_F(GameScreenTest, UndoAndRedoKeysWalkTheMovesAndCloseThePad) {
    StartRegular({10, 11, 12});
    Enter(10, Solved(1, 1) - 1);
    Enter(11, HintButton);
    DispatchKeyDown(KeyZ, CtrlKey);
    EXPECT_EQ(Value(11), 0);
    OpenPad(12);
    DispatchKeyDown(KeyZ, CtrlKey);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_EQ(Value(10), 0);
    DispatchKeyDown(KeyY, CtrlKey);
    EXPECT_EQ(Value(10), Solved(1, 1));
    DispatchKeyDown(KeyZ, AltKey);
    DispatchKeyDown(KeyY, ShiftKey);
    EXPECT_EQ(Value(11), 0) << "only the Ctrl chords";
    DispatchKeyDown(KeyZ, CtrlKey | ShiftKey);
    EXPECT_EQ(Value(11), Solved(1, 2));
    EXPECT_EQ(Game().Model().HintsLeft(), 2);
    Enter(12, Solved(1, 3) - 1);
    DispatchKeyDown(KeyZ, CtrlKey);
    EXPECT_EQ(Value(12), Solved(1, 3)) << "a finished game stays finished";
}

TEST_F(GameScreenTest, MFillsEveryEmptyCellsCandidatesInOneMoveOutsideAChallenge) {
    StartRegular({10, 11, 12});
    OpenPad(10);
    DispatchKeyDown(KeyM, 0);
    EXPECT_FALSE(Game().PadOpen());
    for (int cell : {10, 11, 12}) // each column holds every other digit
        EXPECT_EQ(Game().Cell(cell).Marks(), DigitBit(Solved(1, cell - 9))) << cell;
    DispatchKeyDown(KeyZ, CtrlKey);
    EXPECT_EQ(Game().Cell(11).Marks(), 0) << "one undo takes it all back";

    Settings().TrainingMode = false;
    StartRegular({10, 11, 12});
    DispatchKeyDown(KeyM, 0);
    EXPECT_EQ(Game().Cell(11).Marks(), 0) << "a challenge stage is a test";
}

TEST_F(GameScreenTest, HShowsTheNextStepUntilHOrAClickOnTheBoard) {
    StartRegular({10, 11, 12});
    const QRgb plain = Pixel(222 + 60 + 30, 38 + 60 + 30);
    DispatchKeyDown(KeyH, 0);
    Tick();
    ASSERT_TRUE(Game().ShownStep().IsShown());
    EXPECT_TRUE(Game().ShownStep().Text().front().startsWith("Full house: ")) << "column 2";
    EXPECT_FALSE(TextsWith("NEXT STEP").empty());
    ASSERT_FALSE(TextsWith("GRADE: GENTLE").empty()) << "singles solve it";
    EXPECT_EQ(TextsWith("GRADE: GENTLE").front().x, 222);
    EXPECT_NE(Pixel(222 + 60 + 30, 38 + 60 + 30), plain) << "cell 10 is marked";
    EXPECT_EQ(Value(10), 0) << "nothing is placed";
    EXPECT_EQ(Game().Model().HintsLeft(), 3) << "and nothing spent";
    DispatchKeyDown(KeyH, 0);
    EXPECT_FALSE(Game().ShownStep().IsShown());

    DispatchKeyDown(KeyH, 0);
    ClickAt(CellCenter(12));
    EXPECT_FALSE(Game().ShownStep().IsShown());
    EXPECT_FALSE(Game().PadOpen()) << "that click only put the step away";
    DispatchKeyDown(KeyH, 0);
    Enter(12, Solved(1, 3) - 1);
    EXPECT_FALSE(Game().ShownStep().IsShown()) << "a move leaves the step behind";

    Settings().TrainingMode = false;
    StartRegular({10, 11, 12});
    DispatchKeyDown(KeyH, 0);
    EXPECT_FALSE(Game().ShownStep().IsShown()) << "a challenge stage is a test";
}

// The pad keeps its whole 180 x 200 on screen: each edge moves it along its own axis.
TEST_F(GameScreenTest, PadStaysOnScreenNearTheBottomRight) {
    StartRegular({0, 8, 72, 80});
    for (int cell : {80, 0, 8, 72}) {
        Enter(cell, Solved(cell / 9, cell % 9) - 1);
        EXPECT_EQ(Value(cell), Solved(cell / 9, cell % 9)) << cell;
    }
}

TEST_F(GameScreenTest, PadAssistTakesAwayTheDigitsThatClash) {
    StartRegular({10, 11, 12});
    ClickAt(OptionRadio(2, true));
    EXPECT_EQ(Switches().PadAssist, 1);
    // Column 1 holds every digit but cell 10's own: the others are off and a click on one
    // counts as a click beside the pad.
    for (int d = 1; d <= 9; ++d) {
        Enter(10, d - 1);
        EXPECT_EQ(Value(10), d == Solved(1, 1) ? d : 0) << "digit " << d;
        Enter(10, EraserButton);
    }
    ClickAt(OptionRadio(2, false));
    Enter(10, Solved(1, 2) - 1);
    EXPECT_EQ(Game().Cell(37).flashStep, 5) << "without assist the digit is tried and refused";
}

TEST_F(GameScreenTest, FillingTheLastCellStopsTheClock) {
    StartRegular({40});
    Enter(40, Solved(4, 4) - 1);
    EXPECT_TRUE(Game().Won());
    EXPECT_FALSE(Clock().ctimer);
    EXPECT_EQ(Game().Cell(40).Digit(), Solved(4, 4));
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

// With highlight off, a frame shows the cell the arrow keys moved to until the pointer
// moves over the board; with highlight on, every other cell holding the digit under the
// pointer is tinted, and so is that digit among marks.
TEST_F(GameScreenTest, TheCursorFrameAndTheSameDigitTintShowWhereThePlayerLooks) {
    StartRegular({10, 11, 12});
    const auto corner = [](int cell) {
        return Pixel(222 + 60 * (cell % 9) + 2, 38 + 60 * (cell / 9) + 29);
    };
    DispatchKeyDown(KeyRight, 0);
    DispatchKeyDown(KeyRight, 0);
    Tick();
    EXPECT_EQ(corner(10), 0xFFF0FFE6);
    EXPECT_NE(corner(11), 0xFFF0FFE6);
    DispatchMouseMove(700, 20);
    Tick();
    EXPECT_EQ(corner(10), 0xFFF0FFE6) << "the pointer is not over the board";
    DispatchMouseMove(static_cast<int16_t>(CellCenter(0).x()),
                      static_cast<int16_t>(CellCenter(0).y()));
    Tick();
    EXPECT_NE(corner(10), 0xFFF0FFE6);

    // Cell 0 holds the digit that cell 12 lacks in row 1; a mark of it there is tinted.
    ClickAt(OptionRadio(3, true));
    Enter(11, PencilBox);
    ClickAt(PadButtonCenter(11, Solved(0, 0) - 1));
    const int sameDigit = 9 * 8 + 1; // row 8 holds the digit of cell 0 in column 1
    ASSERT_EQ(Solved(8, 1), Solved(0, 0));
    const QRgb shade = corner(sameDigit);
    DispatchMouseMove(static_cast<int16_t>(CellCenter(0).x()),
                      static_cast<int16_t>(CellCenter(0).y()));
    Tick();
    EXPECT_NE(corner(sameDigit), shade) << "tinted";
    EXPECT_EQ(corner(sameDigit + 1), ShadeColor(0)) << "another digit is not";
    int amber = 0;
    for (int y = 98; y < 156; ++y)
        for (int x = 282 + 60; x < 340 + 60; ++x)
            amber +=
                qRed(Pixel(x, y)) > 200 && qGreen(Pixel(x, y)) > 150 && qBlue(Pixel(x, y)) < 120;
    EXPECT_GT(amber, 10) << "the mark in cell 11";
    ClickAt(OptionRadio(3, false));
    Tick();
    EXPECT_EQ(corner(sameDigit), shade) << "the tint follows the highlight option";
}

TEST_F(GameScreenTest, PadDimsFinishedDigitsUnlessAssistTakesThemAway) {
    StartRegular({10, 11});
    const int finished = Solved(0, 0); // all nine stand; cell 10's and 11's digits do not
    const auto caption = [this](int digit) -> int {
        for (const DrawnText& text : texts) {
            if (text.text == QString::number(digit) &&
                text.x == 282 + 12 + 42 * ((digit - 1) % 3) + 6 &&
                text.y == 98 + 22 + 42 * ((digit - 1) / 3) + 2)
                return text.color.alpha();
        }
        return -1;
    };
    OpenPad(10);
    EXPECT_EQ(caption(finished), 64) << "dimmed";
    EXPECT_EQ(caption(Solved(1, 1)), 168);
    ClickAt(PadButtonCenter(10, finished - 1));
    EXPECT_EQ(Game().Cell(15).flashStep, 5) << "and still tried: row 1 holds it in cell 15";

    ClickAt(OptionRadio(2, true));
    texts.clear();
    OpenPad(10);
    EXPECT_EQ(caption(finished), -1) << "assist's disabled look wins";
}

TEST_F(GameScreenTest, BoardsAreShadedBoxByBoxOrRegionByRegion) {
    StartRegular({});
    Tick();
    auto corner = [](int cell) {
        return Pixel(222 + 60 * (cell % 9) + 1, 38 + 60 * (cell / 9) + 1);
    };
    for (int cell : {36, 40, 80, 13})
        EXPECT_EQ(corner(cell), ShadeColor(cell == 36 || cell == 13 ? 1 : 0)) << cell;

    Settings().PuzzleType = 3;
    Settings().Level = 1;
    PrepareNewPuzzle();
    BuildSolution();
    HideCells(Settings().Level);
    Begin();
    Tick();
    for (int cell = 0; cell < 81; cell += 7)
        EXPECT_EQ(corner(cell), ShadeColor(RegionOf(Sudoku().RegionLayout, cell))) << cell;
}

TEST_F(GameScreenTest, ChallengeShowsTheTimeLeftAndEndsWhenItRunsOut) {
    Settings().TrainingMode = false;
    Settings().ChallengeLevel = 2;
    StartRegular({10});
    GameIntf().ClockSecond(0, 1, 40); // 250 of 350 seconds left: 107 of 150 pixels
    Tick();
    const QRgb filled = Pixel(30 + 106, 30);
    EXPECT_EQ(Pixel(30, 30), filled);
    EXPECT_NE(Pixel(30 + 107, 30), filled);

    Clock().ct_m = 5;
    Clock().ct_s = 48; // 348 of the first stage's 350 seconds at level Hard
    Tick(40);
    EXPECT_EQ(App().CurrentScreen, 2);
    EXPECT_EQ(Game().StageSeconds(), 349);
    Tick(40);
    EXPECT_EQ(App().CurrentScreen, 9) << "the game-over dialog";
    EXPECT_EQ(Game().StageSeconds(), 350) << "no time left, not less";

    Settings().Stage = 10; // a finished challenge: past the stage tables
    Tick();                // the time text reads no table out of range
}

TEST_F(GameScreenTest, ReopenedPadForgetsTheButtonLastHovered) {
    StartRegular({10, 20});
    OpenPad(10);
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
