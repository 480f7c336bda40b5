#include "engine/Generator.h"
#include "support/BothWays.h"
#include "support/GameFixture.h"
#include "support/Ink.h"

#include <functional>

namespace {

class GameScreenTest : public GameFixture {
protected:
    long Clicks() const { return std::count(sounds.begin(), sounds.end(), "play Click from 0"); }
    // A cell's top left corner, inside its frame.
    static QRgb Corner(int cell, int dx = 1, int dy = 1) {
        return Pixel(CellRect(cell).x() + dx, CellRect(cell).y() + dy);
    }
};

// The pad opens beside an empty cell and keeps its whole 180 x 200 on screen, so its
// buttons are where the player clicks them at the board's edges too.
TEST_F(GameScreenTest, PadOpensOnEmptyCellsWithItsButtonsWhereThePlayerClicks) {
    StartRegular({8, 10, 11, 72, 80});
    Click(CellCenter(1));
    EXPECT_FALSE(Game().PadOpen()) << "a given cell opens nothing";
    for (int cell : {80, 8, 72, 10}) {
        Enter(cell, Solved(cell / 9, cell % 9) - 1);
        EXPECT_EQ(Value(cell), Solved(cell / 9, cell % 9)) << cell;
        EXPECT_FALSE(Game().PadOpen());
    }
    Enter(10, EraserButton);
    EXPECT_EQ(Value(10), 0);
    Enter(11, HintButton);
    EXPECT_EQ(Value(11), Solved(1, 2));
}

TEST_F(GameScreenTest, PencilStaysAsSetAndClicksBesideThePadCloseIt) {
    StartRegular({10, 11, 12, 13});
    Enter(10, PencilBox);
    EXPECT_TRUE(Game().PadOpen()) << "the pencil box keeps the pad open";
    Click(PadButtonCenter(10, 4));
    Enter(10, 6);
    EXPECT_EQ(Game().Cell(10).Marks(), DigitBit(5) | DigitBit(7)) << "the pencil stays on";

    OpenPad(11);
    Click(PadButtonCenter(11, PencilBox), 2);
    EXPECT_FALSE(Game().PadOpen()) << "a right click closes the pad";
    EXPECT_FALSE(Game().PencilMode()) << "and still flips the box under it";
    OpenPad(11);
    Click({700, 20});
    EXPECT_FALSE(Game().PadOpen());
    for (int cell : {11, 12, 13})
        Enter(cell, HintButton);
    Enter(10, HintButton);
    EXPECT_FALSE(Game().PadOpen()) << "no hints left: the button is off, a click beside the pad";
    EXPECT_EQ(Value(10), 0);
}

TEST_F(GameScreenTest, ReopenedPadForgetsTheButtonLastHovered) {
    StartRegular({10, 20});
    OpenPad(10);
    // "9" is what cell 20 takes, so a stale hover would be accepted there.
    PointAt(PadButtonCenter(10, 8));
    DispatchMouseDown(2); // closes the pad with "9" still hovered
    Keys({KeyRight, KeyEnter});
    ASSERT_TRUE(Game().PadOpen());
    ASSERT_EQ(Game().Selected(), 20);
    DispatchMouseDown(1); // the pointer has not moved since
    EXPECT_EQ(Value(20), 0) << "a click that is not on a pad button enters nothing";
}

TEST_F(GameScreenTest, ARefusedDigitClicksAndFlashesTheCellThatHoldsIt) {
    StartRegular({10, 11, 20, 56});
    Enter(10, Solved(1, 0) - 1); // cell 9 holds it, in the same row
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Clicks(), 1);
    std::vector<int> steps{Game().Cell(9).flashStep};
    for (int i = 0; i < 6; ++i)
        Tick(2), steps.push_back(Game().Cell(9).flashStep);
    EXPECT_EQ(steps, (std::vector<int>{5, 4, 3, 2, 1, 0, 0})) << "a step every second tick";

    Switches().SoundOn = 0;
    Enter(10, Solved(1, 0) - 1);
    EXPECT_EQ(Clicks(), 1) << "no click with sound off";
    Enter(20, Solved(2, 0) - 1); // cell 18 holds it; the first flash stops
    EXPECT_EQ(Game().Cell(9).flashStep, 0);
    EXPECT_EQ(Game().Cell(18).flashStep, 5);
    Enter(20, EraserButton);
    EXPECT_EQ(Game().Cell(18).flashStep, 0);

    // Cell 10's digit fits cell 11's row, column and box, yet leaves no completion: a hint
    // is refused and flashes that entry.
    Enter(11, Solved(1, 1) - 1);
    Enter(10, HintButton);
    EXPECT_EQ(Value(10), 0);
    EXPECT_EQ(Game().Cell(11).flashStep, 5);
}

// H and M close the pad; a challenge stage is a test, so there neither works.
TEST_F(GameScreenTest, HShowsTheNextStepAndMFillsCandidatesOutsideAChallenge) {
    StartRegular({10, 11, 12});
    Tick();
    const auto shown = [](int cell) { return Drawing().SpeedBuffer.copy(CellRect(cell)); };
    const QImage plain = shown(12), plainBelow = shown(21); // 21: in 12's box, not in its row
    DispatchKeyDown(KeyH, 0);
    Tick();
    ASSERT_TRUE(Game().ShownStep().IsShown());

    EXPECT_FALSE(TextsWith("NEXT STEP").empty());
    EXPECT_FALSE(TextsWith("GRADE: GENTLE").empty()) << "singles solve it";
    EXPECT_NE(shown(12), plain) << "cell 12 is marked";
    EXPECT_NE(shown(21), plainBelow) << "and the box that makes it so";
    EXPECT_EQ(Value(12), 0) << "nothing is placed";
    DispatchKeyDown(KeyH, 0);
    EXPECT_FALSE(Game().ShownStep().IsShown());
    DispatchKeyDown(KeyH, 0);
    Click(CellCenter(12));
    EXPECT_FALSE(Game().ShownStep().IsShown());
    EXPECT_FALSE(Game().PadOpen()) << "that click only put the step away";

    DispatchKeyDown(KeyH, 0);
    OpenPad(10);
    DispatchKeyDown(KeyM, 0);
    EXPECT_FALSE(Game().PadOpen());
    EXPECT_FALSE(Game().ShownStep().IsShown()) << "a move leaves the step behind";
    for (int cell : {10, 11, 12}) // each column holds every other digit
        EXPECT_EQ(Game().Cell(cell).Marks(), DigitBit(Solved(1, cell - 9))) << cell;

    StartChallenge(0, 0, {10, 11, 12});
    Keys({KeyM, KeyH});
    EXPECT_EQ(Game().Cell(11).Marks(), 0);
    EXPECT_FALSE(Game().ShownStep().IsShown());
}

// With pad assist a digit that clashes is off, and a click on it counts as one beside the
// pad; without it a digit that stands nine times is only dimmed and may still be tried.
TEST_F(GameScreenTest, PadAssistTakesAwayClashingDigitsAndFinishedOnesAreDimmed) {
    StartRegular({10, 11});
    const int finished = Solved(0, 0) - 1; // all nine stand; cell 10's and 11's do not
    // The alpha of the caption drawn inside pad button b, or -1 for none.
    const auto caption = [this](int b) {
        const QRect button(PadButtonCenter(10, b) - QPoint(19, 19), QSize(39, 39));
        for (const DrawnText& text : texts)
            if (text.text == QString::number(b + 1) && button.contains(text.x, text.y))
                return text.color.alpha();
        return -1;
    };
    OpenPad(10);
    EXPECT_LT(caption(finished), caption(Solved(1, 1) - 1));
    EXPECT_GT(caption(finished), 0);
    Click(PadButtonCenter(10, finished));
    EXPECT_EQ(Game().Cell(15).flashStep, 5) << "row 1 holds it in cell 15";

    Click(OptionRadio(2, true));
    EXPECT_EQ(Switches().PadAssist, 1);
    texts.clear();
    OpenPad(10);
    EXPECT_EQ(caption(finished), -1) << "assist's disabled look wins";
    Click({700, 20});
    for (int d = 1; d <= 9; ++d) {
        Enter(10, d - 1);
        EXPECT_EQ(Value(10), d == Solved(1, 1) ? d : 0) << "digit " << d;
        EXPECT_FALSE(Game().PadOpen());
        Enter(10, EraserButton);
    }
}

// Highlight frames the pointer's row, column and region and tints every other cell that
// holds the digit under it, that digit among marks too. With highlight off, a frame shows
// the cell the arrow keys moved to until the pointer moves over the board.
TEST_F(GameScreenTest, HighlightCursorFrameAndTintShowWhereThePlayerLooks) {
    StartRegular({10, 11, 12, 40, 80});
    Keys({KeyRight, KeyRight});
    Tick();
    const QRgb cursor = 0xFFF0FFE6;
    EXPECT_EQ(Corner(10, 2, 29), cursor);
    EXPECT_NE(Corner(11, 2, 29), cursor);
    Hover({700, 20});
    EXPECT_EQ(Corner(10, 2, 29), cursor) << "the pointer is not over the board";
    Click({700, 20});
    EXPECT_FALSE(Game().PadOpen()) << "a click off the board leaves the cursor's cell alone";
    Hover(CellCenter(0));
    EXPECT_NE(Corner(10, 2, 29), cursor);

    Click(OptionRadio(3, true));
    Hover(CellCenter(40));
    for (int cell : {36, 4, 30, 0, 80}) // row, column and box of cell 40, then two cells outside
        EXPECT_EQ(Corner(cell) == FrameColor, cell % 80 != 0) << cell;

    // Row 8 holds cell 0's digit in column 1, and cell 11 a mark of it.
    Mark(11, Solved(0, 0));
    const int sameDigit = 9 * 8 + 1;
    const QRgb shade = Corner(sameDigit, 2, 29);
    Hover(CellCenter(0));
    EXPECT_NE(Corner(sameDigit, 2, 29), shade) << "tinted";
    EXPECT_EQ(Corner(sameDigit + 1, 2, 29), ShadeColor(0)) << "another digit is not";
    const auto amber = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 150 && qBlue(p) < 120; };
    EXPECT_GT(CountPixels(CellRect(11), amber), 10) << "the mark in cell 11";
    Click(OptionRadio(3, false));
    Tick();
    EXPECT_EQ(Corner(sameDigit, 2, 29), shade) << "the tint follows the highlight option";
    Keys({KeyRight, KeyRight, KeyRight, KeyRight, KeyRight, KeyRight}); // 0, 10, 11, 12, 40, 80
    Tick();
    EXPECT_EQ(Corner(80, 2, 29), cursor);
}

TEST_F(GameScreenTest, BoardsAreShadedBoxByBoxOrRegionByRegion) {
    StartRegular({});
    Tick();
    for (int cell : {27, 36, 40, 54, 80, 13}) // the middle third is rows and columns 3 to 5
        EXPECT_EQ(Corner(cell), ShadeColor(cell == 27 || cell == 36 || cell == 13)) << cell;

    Settings().PuzzleType = 3;
    Settings().Level = 1;
    PrepareNewPuzzle();
    BuildSolution();
    HideCells(Settings().Level);
    Begin();
    Tick();
    for (int cell = 0; cell < 81; cell += 7)
        EXPECT_EQ(Corner(cell), ShadeColor(RegionOf(Sudoku().RegionLayout, cell))) << cell;
}

// The board drawing only the strips its scan line moved through must look exactly as the
// board drawn whole.
class BoardFrames : public GameFixture {
protected:
    // play gets Frame(n, every): n frames, keeping every `every`-th one and the last.
    template <class Play> void SameBothWays(const Play& play) {
        ExpectSameBothWays([this] { AppFixture::TearDown(), SetUp(); },
                           [&play](const std::function<void()>& keep) {
                               play([&keep](int n, int every = 1) {
                                   for (int i = 1; i <= n; ++i) {
                                       Tick();
                                       if (i % every == 0 || i == n) keep();
                                   }
                               });
                           });
    }
};

TEST_F(BoardFrames, PlayingMarksDialogsAndTheSolutionLookTheSameAsDrawingTheWholeBoard) {
    SameBothWays([](const auto& Frame) {
        Switches().HighlightOn = 1;
        StartRegular({0, 1, 2, 10, 12, 20, 30, 40, 50, 60, 70, 80});
        Frame(3);
        // The pointer over a cell hovers and highlights it; the pad opens and a digit goes in.
        Click(CellCenter(10)), Frame(2);
        Click(PadButtonCenter(10, Solved(1, 1) - 1)), Frame(2);
        // A refused digit flashes the cell it clashes with.
        Enter(20, Solved(2, 0) - 1), Frame(12);
        Click(place::Pause), Frame(3); // PAUSE hides the numbers
        Click(place::Continue), Frame(2);
        // The scan line runs down the board and turns back up: every frame draws the same
        // two strips, so a few of them prove as much as all.
        Frame(520, 8);
        // Marks, a shown step, the tint of the digit under the pointer and the cursor frame of
        // the arrow keys are redrawn only over the cells and widgets they change.
        Switches().HighlightOn = 0;
        for (int16_t key : {KeyM, KeyH}) // every empty cell marked, then the next step shown
            DispatchKeyDown(key, 0), Frame(2);
        Switches().HighlightOn = 1;
        for (int given : {3, 4, 13}) // the pointer on digits that stand elsewhere too
            PointAt(CellCenter(given)), Frame(2);
        DispatchKeyDown(KeyH, 0);
        Switches().HighlightOn = 0;
        for (int16_t key : {KeyRight, KeyRight, KeyDown, KeyLeft})
            DispatchKeyDown(key, 0), Frame(2);
        Click(place::Solution), Frame(5); // asks first
        Click(place::ConfirmOk), Frame(3);
        DispatchMouseMove(92, 281), Frame(2); // MAIN MENU hovered
    });
}

// While the board draws only the scan line's strips, whatever else changes must show: the
// pad's buttons under the pointer, a challenge's time running out, and the credits of the
// win dialog while Ctrl+A is held.
TEST_F(BoardFrames, PadChallengeClockAndCreditsLookTheSameBothWays) {
    SameBothWays([](const auto& Frame) {
        StartChallenge(0, 2, {10, 20});
        SetClock(0, 5, 40);
        Click(CellCenter(10));
        for (int b : {0, 4, 8, 9, 10})
            PointAt(PadButtonCenter(10, b)), Frame(2);
        Frame(40);
        Enter(10, Solved(1, 1) - 1);
        Enter(20, Solved(2, 2) - 1), Frame(6);
        Navigator().Show(WinDialog), Frame(5);
        DispatchKeyDown(KeyA, CtrlKey), Frame(2);
        DispatchKeyUp(), Frame(2);
    });
}

} // namespace
