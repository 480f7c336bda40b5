#include "engine/Rules.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"

#include <gtest/gtest.h>

namespace {

int16_t At(int row, int column) { return static_cast<int16_t>(9 * row + column); }

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

    // The clash reported for placing num at (row, column), or -1 when it is stored.
    static int16_t Clash(int row, int column, int16_t num) {
        int16_t clash = -1;
        return TryPlaceDigit(At(row, column), num, clash) ? int16_t{-1} : clash;
    }
};

TEST_F(RulesTest, ScanReportsRowThenColumnThenRegion) {
    Put(3, 3, 6);
    EXPECT_EQ(Clash(4, 4, 6), At(3, 3));
    Put(8, 4, 6);
    EXPECT_EQ(Clash(4, 4, 6), At(8, 4)) << "column before region";
    Put(4, 7, 6);
    Put(4, 1, 6);
    EXPECT_EQ(Clash(4, 4, 6), At(4, 1)) << "row first, lowest column first";
    EXPECT_FALSE(IsDigitAllowed(At(4, 4), 6));
    EXPECT_EQ(Sudoku().CurrentGrid[4][4], 0);
    // A box neighbour in the same row is the row step's find, even with a second 5
    // elsewhere in the box.
    Put(0, 2, 5);
    Put(1, 1, 5);
    EXPECT_EQ(Clash(0, 0, 5), At(0, 2));
}

TEST_F(RulesTest, NonominoRegionsAreScanned) {
    Settings().PuzzleType = 1;
    BuildLayout(-1);
    Put(3, 1, 8); // template 1: (row 3, column 1) lies in the region of (0,0)
    EXPECT_EQ(Clash(0, 0, 8), At(3, 1));
    EXPECT_TRUE(IsDigitAllowed(At(0, 4), 8));
    EXPECT_FALSE(IsDigitAllowed(At(1, 2), 8));
}

TEST_F(RulesTest, StoringErasingAndTheClashReport) {
    int16_t clash = 42;
    EXPECT_TRUE(TryPlaceDigit(At(2, 2), 7, clash));
    EXPECT_EQ(clash, 42) << "a stored digit leaves the report alone";
    EXPECT_TRUE(TryPlaceDigit(At(2, 2), 7, clash)) << "a cell never clashes with itself";
    EXPECT_TRUE(TryPlaceDigit(At(2, 2), 3, clash));
    EXPECT_EQ(Sudoku().CurrentGrid[2][2], 3);
    EXPECT_FALSE(IsGridFull());
    EXPECT_TRUE(TryPlaceDigit(At(2, 2), 0, clash));
    EXPECT_EQ(Sudoku().CurrentGrid[2][2], 0);
    EXPECT_EQ(clash, -1);
    for (int i = 0; i < 81; ++i)
        Put(i / 9, i % 9, static_cast<int16_t>((3 * (i / 9) + i / 27 + i) % 9 + 1));
    EXPECT_TRUE(IsGridFull()) << "any full grid, whatever the solution grid holds";
}

} // namespace
