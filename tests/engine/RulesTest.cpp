#include "engine/Rules.h"
#include "engine/Layout.h"
#include "engine/Templates.h"

#include <gtest/gtest.h>

namespace {

int At(int row, int column) { return 9 * row + column; }

TEST(Rules, ClashScanRunsRowThenColumnThenRegion) {
    Grid grid{};
    auto put = [&](int row, int column, int digit) {
        CellOf(grid, At(row, column)) = static_cast<int16_t>(digit);
    };
    put(3, 3, 6);
    EXPECT_EQ(FindClash(grid, RegularLayout, At(4, 4), 6), At(3, 3));
    put(8, 4, 6);
    EXPECT_EQ(FindClash(grid, RegularLayout, At(4, 4), 6), At(8, 4)) << "column before region";
    put(4, 7, 6);
    put(4, 1, 6);
    EXPECT_EQ(FindClash(grid, RegularLayout, At(4, 4), 6), At(4, 1))
        << "row first, lowest column first";
    EXPECT_EQ(AllowedDigits(grid, RegularLayout, At(4, 4)), AllDigits & ~DigitBit(6));
    EXPECT_EQ(FindClash(grid, RegularLayout, At(4, 1), 6), At(4, 7)) << "never the cell itself";
    EXPECT_EQ(FindClash(grid, RegularLayout, At(0, 0), 6), -1);

    // Template 1: (row 3, column 1) lies in the region of (0, 0), (0, 4) does not.
    const LayoutRows& nonomino = NonominoTemplates()[0].layout;
    grid = {};
    put(3, 1, 8);
    EXPECT_EQ(FindClash(grid, nonomino, At(0, 0), 8), At(3, 1));
    EXPECT_EQ(FindClash(grid, nonomino, At(0, 4), 8), -1);
    EXPECT_TRUE(AreNeighbours(nonomino, At(0, 0), At(3, 1)));
    EXPECT_FALSE(AreNeighbours(nonomino, At(0, 0), At(0, 0)));
}

TEST(Rules, FullGridsAndClashesInAnyUnit) {
    Grid grid{};
    for (int cell = 0; cell < 81; ++cell)
        CellOf(grid, cell) = static_cast<int16_t>((3 * (cell / 9) + cell / 27 + cell) % 9 + 1);
    EXPECT_TRUE(IsFull(grid));
    EXPECT_FALSE(HasClash(grid, RegularLayout));
    EXPECT_TRUE(HasClash(grid, NonominoTemplates()[0].layout));
    std::swap(grid[0][0], grid[1][0]); // row 0 now holds a digit twice
    EXPECT_TRUE(HasClash(grid, RegularLayout));
    grid[8][8] = 0; // the last cell too
    EXPECT_FALSE(IsFull(grid));
}

} // namespace
