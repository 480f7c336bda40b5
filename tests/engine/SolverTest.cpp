#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Layout.h"
#include "engine/Random.h"
#include "engine/Solver.h"

#include <gtest/gtest.h>

namespace {

using sudoku_checks::BoxLayout;
using sudoku_checks::Flatten;

Grid ReadGrid(const std::string& digits) {
    Grid grid{};
    for (int i = 0; i < 81; ++i)
        grid[i / 9][i % 9] = static_cast<int16_t>(digits[i] - '0');
    return grid;
}

// A well-known puzzle with exactly one solution.
const std::string Classic =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
const std::string ClassicSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

class SolverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSudoku();
        ResetSettings();
        FillStageTables();
    }
    void TearDown() override { HoldSeed(false); }
};

TEST_F(SolverTest, SolvesAClassicPuzzleAndCountsOneSolution) {
    const std::optional<Grid> solved = SolveGrid(ReadGrid(Classic), BoxLayout());
    ASSERT_TRUE(solved);
    EXPECT_EQ(Flatten(*solved), ClassicSolution);
    EXPECT_EQ(CountSolutions(ReadGrid(Classic), BoxLayout(), 5), 1);
    EXPECT_EQ(CountSolutions(ReadGrid(ClassicSolution), BoxLayout(), 5), 1);
}

TEST_F(SolverTest, SolvesDealtPuzzlesOfEveryTypeConsistentlyWithTheGivens) {
    SeedRandom(77);
    HoldSeed(true);
    for (uint8_t stage = 0; stage < 10; ++stage) {
        for (int i = 0; i < 30; ++i) {
            Settings().TrainingMode = false;
            Settings().Stage = stage;
            PrepareNewPuzzle();
            BuildSolution();
            HideCells(2);
            const EngineState& s = Sudoku();
            const std::optional<Grid> solved = SolveGrid(s.GivenGrid, s.RegionLayout);
            ASSERT_TRUE(solved) << "stage " << int{stage};
            ASSERT_TRUE(sudoku_checks::IsSolution(*solved, s.RegionLayout));
            ASSERT_TRUE(sudoku_checks::KeepsGivens(Flatten(s.GivenGrid), Flatten(*solved)));
        }
    }
}

TEST_F(SolverTest, NonominoRegionsAreHonoured) {
    LoadTemplate(4);
    const LayoutRows layout = Sudoku().RegionLayout;
    const Grid solution = ReadGrid(Flatten(Sudoku().SolutionTemplate));
    EXPECT_EQ(CountSolutions(solution, layout, 2), 1);
    // Valid rows and columns, but not the template's regions.
    EXPECT_FALSE(SolveGrid(ReadGrid(ClassicSolution), layout));
    Grid sparse = solution;
    for (int r = 0; r < 9; ++r) {
        for (int c = (r % 3); c < 9; c += 2)
            sparse[r][c] = 0;
    }
    const std::optional<Grid> solved = SolveGrid(sparse, layout);
    ASSERT_TRUE(solved);
    EXPECT_TRUE(sudoku_checks::IsSolution(*solved, layout));
    EXPECT_TRUE(sudoku_checks::KeepsGivens(Flatten(sparse), Flatten(*solved)));
}

TEST_F(SolverTest, GridsThatBreakTheRulesHaveNoSolution) {
    Grid rowClash = ReadGrid(Classic);
    rowClash[0][8] = 5; // 5 already opens row 0
    Grid columnClash = ReadGrid(Classic);
    columnClash[8][0] = 8;
    Grid boxClash = ReadGrid(Classic);
    boxClash[2][0] = 5;
    Grid outOfRange = ReadGrid(Classic);
    outOfRange[4][4] = 10;
    Grid latinSquare{}; // rows and columns fine, boxes not
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            latinSquare[r][c] = static_cast<int16_t>((r + c) % 9 + 1);
    }
    for (const Grid& grid : {rowClash, columnClash, boxClash, outOfRange, latinSquare}) {
        EXPECT_FALSE(SolveGrid(grid, BoxLayout())) << Flatten(grid);
        EXPECT_EQ(CountSolutions(grid, BoxLayout(), 3), 0) << Flatten(grid);
    }
}

TEST_F(SolverTest, PlayerEntriesThatLeadNowhereGiveNone) {
    // The rules allow 1 in (0,2), but the puzzle's only solution has 4 there.
    Grid grid = ReadGrid(Classic);
    grid[0][2] = 1;
    EXPECT_FALSE(SolveGrid(grid, BoxLayout()));
    grid[0][2] = 4;
    const std::optional<Grid> solved = SolveGrid(grid, BoxLayout());
    ASSERT_TRUE(solved);
    EXPECT_EQ(Flatten(*solved), ClassicSolution);
}

TEST_F(SolverTest, MalformedLayoutsAreRejected) {
    LayoutRows tenInRegionOne = BoxLayout();
    tenInRegionOne[0][3] = '1';
    LayoutRows shortRow = BoxLayout();
    shortRow[5].pop_back();
    LayoutRows badDigit = BoxLayout();
    badDigit[8][8] = '0';
    for (const LayoutRows& layout : {tenInRegionOne, shortRow, badDigit}) {
        EXPECT_FALSE(SolveGrid(Grid{}, layout)) << Flatten(layout);
        EXPECT_EQ(CountSolutions(Grid{}, layout, 1), 0);
    }
}

// Emptying every cell of two digits leaves each row one choice of which cell takes which;
// trying all 512 choices counts the completions without the solver.
int CountByHand(const Grid& grid, const LayoutRows& layout, int16_t a, int16_t b) {
    int count = 0;
    for (int choice = 0; choice < 512; ++choice) {
        Grid filled = grid;
        for (int r = 0; r < 9; ++r) {
            bool first = (choice >> r) & 1;
            for (int16_t& value : filled[r]) {
                if (value == 0) {
                    value = first ? a : b;
                    first = !first;
                }
            }
        }
        count += sudoku_checks::IsSolution(filled, layout) ? 1 : 0;
    }
    return count;
}

TEST_F(SolverTest, CountsMatchAnExhaustiveCountAndStopAtTheLimit) {
    EXPECT_EQ(CountSolutions(Grid{}, BoxLayout(), 7), 7);
    EXPECT_EQ(CountSolutions(Grid{}, BoxLayout(), 0), 0);
    LoadTemplate(2);
    const Grid nonomino = ReadGrid(Flatten(Sudoku().SolutionTemplate));
    for (const auto& [full, layout] : {std::pair{ReadGrid(ClassicSolution), BoxLayout()},
                                       std::pair{nonomino, Sudoku().RegionLayout}}) {
        for (int16_t a = 1; a <= 9; ++a) {
            for (int16_t b = a + 1; b <= 9; ++b) {
                Grid grid = full;
                for (auto& row : grid) {
                    for (int16_t& value : row) {
                        if (value == a || value == b) value = 0;
                    }
                }
                const int expected = CountByHand(grid, layout, a, b);
                ASSERT_GE(expected, 2);
                EXPECT_EQ(CountSolutions(grid, layout, 600), expected) << a << b;
                EXPECT_EQ(CountSolutions(grid, layout, 2), 2);
            }
        }
    }
}

} // namespace
