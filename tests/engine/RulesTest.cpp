#include "engine/Rules.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"

#include <gtest/gtest.h>

namespace {

int16_t Index(int row, int column) { return static_cast<int16_t>(9 * row + column); }

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSudoku();
        ResetSettings();
        BuildLayout(0);
    }

    static void Put(int row, int column, int16_t digit) {
        Sudoku().CurrentGrid[row][column] = digit;
    }

    // The clash that placing num at (row, column) reports; -1 when it is accepted.
    static int16_t ClashAt(int row, int column, int16_t num) {
        int16_t clash = -1;
        return TryPlaceDigit(Index(row, column), num, clash) ? int16_t{-1} : clash;
    }
};

TEST_F(RulesTest, ScanReportsRowThenColumnThenRegion) {
    Put(4, 3, 6); // region of (4,4)
    EXPECT_EQ(ClashAt(4, 4, 6), Index(4, 3)) << "row, lowest column first";
    Put(4, 3, 0);
    Put(3, 3, 6); // region only
    EXPECT_EQ(ClashAt(4, 4, 6), Index(3, 3));
    Put(8, 4, 6);
    EXPECT_EQ(ClashAt(4, 4, 6), Index(8, 4)) << "column before region";
    Put(4, 7, 6);
    Put(4, 1, 6);
    EXPECT_EQ(ClashAt(4, 4, 6), Index(4, 1)) << "row before column, lowest column";
    EXPECT_EQ(Sudoku().CurrentGrid[4][4], 0);
}

TEST_F(RulesTest, BoxNeighbourInTheSameRowIsReportedByTheRowStep) {
    Put(0, 2, 5);
    Put(1, 1, 5); // broken grid on purpose: the row step must still win
    EXPECT_EQ(ClashAt(0, 0, 5), Index(0, 2));
}

TEST_F(RulesTest, NonominoRegionClashIsFound) {
    Settings().PuzzleType = 1;
    BuildLayout(-1);
    // Template 1: (0,0) and (1,3) share region 1 but neither row nor column.
    ASSERT_EQ(GetRegion(0, 0), GetRegion(1, 3));
    Put(3, 1, 8);
    EXPECT_EQ(ClashAt(0, 0, 8), Index(3, 1));
    EXPECT_FALSE(IsDigitAllowed(Index(0, 0), 8));
    EXPECT_TRUE(IsDigitAllowed(Index(0, 4), 8)); // (4,0) lies in region 3
}

TEST_F(RulesTest, PlacingKeepsOrClearsTheReportAsDocumented) {
    int16_t clash = 42;
    EXPECT_TRUE(TryPlaceDigit(Index(2, 2), 7, clash));
    EXPECT_EQ(Sudoku().CurrentGrid[2][2], 7);
    EXPECT_EQ(clash, 42);
    EXPECT_TRUE(TryPlaceDigit(Index(2, 2), 7, clash)) << "the cell never clashes with itself";
    EXPECT_TRUE(TryPlaceDigit(Index(2, 2), 3, clash)) << "a new digit replaces the old";
    EXPECT_EQ(Sudoku().CurrentGrid[2][2], 3);
    EXPECT_TRUE(TryPlaceDigit(Index(2, 2), 0, clash));
    EXPECT_EQ(Sudoku().CurrentGrid[2][2], 0);
    EXPECT_EQ(clash, -1);
}

TEST_F(RulesTest, IsDigitAllowedWritesNothing) {
    Put(6, 0, 4);
    const Grid before = Sudoku().CurrentGrid;
    EXPECT_FALSE(IsDigitAllowed(Index(6, 8), 4));
    EXPECT_TRUE(IsDigitAllowed(Index(6, 8), 5));
    EXPECT_EQ(Sudoku().CurrentGrid, before);
}

TEST_F(RulesTest, AnyFullGridIsFull) {
    EXPECT_FALSE(IsGridFull());
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            Put(r, c, static_cast<int16_t>((3 * r + r / 3 + c) % 9 + 1));
    }
    EXPECT_TRUE(IsGridFull()) << "entries need not match the solution grid";
    Put(8, 8, 0);
    EXPECT_FALSE(IsGridFull());
}

} // namespace
