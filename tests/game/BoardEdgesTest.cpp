#include "engine/Generator.h"
#include "engine/Random.h"
#include "game/GameFixture.h"

#include <array>
#include <bitset>

namespace {

class BoardEdges : public GameFixture {};

TEST_F(BoardEdges, ArrowsReachTheFirstAndTheLastCellAndStopThere) {
    StartRegular({0, 80});
    MoveSelection(1); // the first arrow picks the first cell
    EXPECT_EQ(Game().Cursor(), 0);
    MoveSelection(2);
    EXPECT_EQ(Game().Cursor(), 0) << "nothing before the first cell";
    MoveSelection(1);
    EXPECT_EQ(Game().Cursor(), 80) << "every given cell between is passed over";
    MoveSelection(1);
    MoveSelection(3);
    EXPECT_EQ(Game().Cursor(), 80) << "nothing after the last cell";
    MoveSelection(2);
    EXPECT_EQ(Game().Cursor(), 0);
}

// Every digit turns up in every cell over many deals: no part of a regular solution is
// fixed.
TEST_F(BoardEdges, RegularSolutionsAreRandomInEveryCell) {
    Settings().TrainingMode = true;
    Settings().PuzzleType = 0;
    std::array<std::bitset<9>, 81> seen{};
    for (int deal = 0; deal < 300; ++deal) {
        PrepareNewPuzzle();
        BuildSolution();
        HideCells(0);
        for (int i = 0; i < 81; ++i)
            seen[static_cast<size_t>(i)].set(
                static_cast<size_t>(Sudoku().SolutionGrid[i / 9][i % 9] - 1));
    }
    for (int i = 0; i < 81; ++i)
        EXPECT_TRUE(seen[static_cast<size_t>(i)].all()) << "cell " << i;
}

} // namespace
