#include "SudokuChecks.h"

#include "engine/Solver.h"
#include "engine/Templates.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace sudoku_checks;

TEST(SolverTest, SolvesPuzzlesAndRefusesEntriesThatLeadNowhere) {
    EXPECT_EQ(Flatten(SolveGrid(ToGrid(Classic), BoxLayout()).value_or(Grid{})), ClassicSolution);
    EXPECT_EQ(CountSolutions(ToGrid(Classic), BoxLayout(), 5), 1);
    Grid entered = ToGrid(Classic);
    entered[0][2] = 1; // allowed by the rules, but the only solution has 4 there
    EXPECT_FALSE(SolveGrid(entered, BoxLayout()));

    // Two published puzzles made to need long chains of guesses.
    for (const std::string& hard :
         {std::string(
              "100007090030020008009600500005300900010080002600004000300000010040000007007000300"),
          Hardest}) {
        const std::optional<Grid> solved = SolveGrid(ToGrid(hard), BoxLayout());
        ASSERT_TRUE(solved);
        EXPECT_TRUE(IsSolution(*solved, BoxLayout()));
        EXPECT_TRUE(KeepsGivens(hard, Flatten(*solved)));
        EXPECT_EQ(CountSolutions(ToGrid(hard), BoxLayout(), 2), 1);
    }

    const LayoutRows& layout = NonominoTemplates()[3].layout;
    std::string sparse = Flatten(NonominoTemplates()[3].solution);
    for (size_t i = 0; i < 81; i += 2)
        sparse[i] = '0';
    const std::optional<Grid> solved = SolveGrid(ToGrid(sparse), layout);
    ASSERT_TRUE(solved);
    EXPECT_TRUE(IsSolution(*solved, layout));
    EXPECT_TRUE(KeepsGivens(sparse, Flatten(*solved)));
    EXPECT_FALSE(SolveGrid(ToGrid(ClassicSolution), layout)) << "boxes are not its regions";
}

// Fourteen givens and no solution: the 8 and the 9 of the middle-left box can only go in
// its top row, which leaves its 1 no cell. Singles never see that, so a search without a
// bound runs for minutes; a saved game holding such a grid must not stall the game.
TEST(SolverTest, AGridBuiltToDefeatTheSearchIsGivenUpOnWithinFiftyMilliseconds) {
    const Grid crafted =
        ToGrid("050800090000000000000009000500000000000108009000090081400000800000000000000000003");
    using Clock = std::chrono::steady_clock;
    Clock::time_point start = Clock::now();
    EXPECT_FALSE(SolveGrid(crafted, BoxLayout()));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(50));
    start = Clock::now();
    EXPECT_EQ(CountSolutions(crafted, BoxLayout(), 2), 0);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(50));
}

TEST(SolverTest, BrokenGridsAndMalformedLayoutsHaveNoSolution) {
    std::vector<Grid> broken(5, ToGrid(Classic));
    broken[0][0][8] = 5;         // twice in row 0
    broken[1][8][0] = 8;         // twice in column 0
    broken[2][2][0] = 5;         // twice in the first box
    broken[3][4][4] = 10;        // not a digit
    for (int i = 0; i < 81; ++i) // rows and columns fine, boxes not
        broken[4][i / 9][i % 9] = static_cast<int16_t>((i / 9 + i % 9) % 9 + 1);
    for (const Grid& grid : broken) {
        EXPECT_FALSE(SolveGrid(grid, BoxLayout())) << Flatten(grid);
        EXPECT_EQ(CountSolutions(grid, BoxLayout(), 3), 0) << Flatten(grid);
    }
    std::vector<LayoutRows> layouts(3, BoxLayout());
    layouts[0][0][3] = '1'; // ten cells in region 1
    layouts[1][5].pop_back();
    layouts[2][8][8] = '0';
    for (const LayoutRows& layout : layouts)
        EXPECT_FALSE(SolveGrid(Grid{}, layout)) << Flatten(layout);
}

// With every cell of two digits emptied, each row only chooses which of its two gaps takes
// which digit; trying all 512 choices counts the completions without the solver.
TEST(SolverTest, CountsMatchAnExhaustiveCountAndStopAtTheLimit) {
    EXPECT_EQ(CountSolutions(Grid{}, BoxLayout(), 7), 7);
    const std::vector<std::pair<Grid, LayoutRows>> cases{
        {ToGrid(ClassicSolution), BoxLayout()},
        {ToGrid(Flatten(NonominoTemplates()[1].solution)), NonominoTemplates()[1].layout}};
    for (const auto& [full, layout] : cases) {
        for (int16_t a = 1; a <= 9; ++a) {
            for (int16_t b = a + 1; b <= 9; ++b) {
                Grid grid = full;
                for (auto& row : grid)
                    for (int16_t& value : row)
                        value = (value == a || value == b) ? 0 : value;
                int expected = 0;
                for (int choice = 0; choice < 512; ++choice) {
                    Grid filled = grid;
                    for (int r = 0; r < 9; ++r) {
                        bool first = (choice >> r) & 1;
                        for (int16_t& value : filled[r])
                            if (value == 0) value = (first = !first) ? b : a;
                    }
                    expected += IsSolution(filled, layout) ? 1 : 0;
                }
                EXPECT_EQ(CountSolutions(grid, layout, 600), expected) << a << b;
                EXPECT_EQ(CountSolutions(grid, layout, 2), std::min(expected, 2));
            }
        }
    }
}

} // namespace
