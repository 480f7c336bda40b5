#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using sudoku_checks::Flatten;

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSudoku();
        ResetSettings();
    }
    void TearDown() override { HoldSeed(false); }

    static void UseTemplate(int16_t n) {
        Settings().PuzzleType = n;
        BuildLayout(-1);
    }
};

TEST_F(LayoutTest, RegularRegionsAreTheBoxesListedInReadingOrder) {
    BuildLayout(0);
    EXPECT_EQ(Settings().PuzzleType, 0);
    EXPECT_EQ(Sudoku().RegionLayout, sudoku_checks::BoxLayout());
    for (int g = 0; g < 9; ++g) {
        for (int k = 0; k < 9; ++k) {
            const CellPos cell = Sudoku().RegionCells[g][k];
            EXPECT_EQ(cell.column, 3 * (g % 3) + k % 3);
            EXPECT_EQ(cell.row, 3 * (g / 3) + k / 3);
        }
    }
}

TEST_F(LayoutTest, LookupsOnTemplateOne) {
    UseTemplate(1);
    EXPECT_EQ(GetRegion(4, 0), 3);
    const CellPos first = Sudoku().RegionCells[2][0];
    EXPECT_EQ(first.column, 4);
    EXPECT_EQ(first.row, 0);
    EXPECT_EQ(GetIndexInRegion(4, 0), 0);
    // (3,0) has region 3 to its right and its own region 2 below.
    EXPECT_EQ(GetRegionBorders(3, 0), 1);
    EXPECT_EQ(GetRegionBorders(8, 8), 0);
}

TEST_F(LayoutTest, RegionBordersOnTheRegularLayout) {
    BuildLayout(0);
    EXPECT_EQ(GetRegionBorders(2, 2), 3);
    EXPECT_EQ(GetRegionBorders(2, 0), 1);
    EXPECT_EQ(GetRegionBorders(0, 2), 2);
    EXPECT_EQ(GetRegionBorders(0, 0), 0);
    EXPECT_EQ(GetRegionBorders(8, 8), 0);
    EXPECT_EQ(GetRegionBorders(8, 5), 2);
}

TEST_F(LayoutTest, EveryTemplateHasNineConnectedRegionsAndAFittingSolution) {
    for (int16_t n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        UseTemplate(n);
        const std::string regions = Flatten(Sudoku().RegionLayout);
        EXPECT_TRUE(sudoku_checks::HasNineConnectedRegions(regions));
        EXPECT_TRUE(sudoku_checks::IsSolution(Flatten(Sudoku().SolutionTemplate), regions));
        for (int i = 0; i < 81; ++i) {
            const int c = i % 9;
            const int r = i / 9;
            const int16_t k = GetIndexInRegion(c, r);
            ASSERT_GE(k, 0);
            const CellPos back = GetRegionCell(c, r, k);
            EXPECT_EQ(back.column, c);
            EXPECT_EQ(back.row, r);
            if (k > 0) {
                const CellPos before = GetRegionCell(c, r, k - 1);
                EXPECT_LT(9 * before.row + before.column, i);
            }
        }
    }
}

TEST_F(LayoutTest, OutOfRangeTemplateNumbersLoadTemplateFive) {
    LoadTemplate(5);
    const LayoutRows five = Sudoku().RegionLayout;
    const LayoutRows fiveSolution = Sudoku().SolutionTemplate;
    for (int16_t n : {0, 7, -1}) {
        LoadTemplate(1);
        LoadTemplate(n);
        EXPECT_EQ(Sudoku().RegionLayout, five) << n;
        EXPECT_EQ(Sudoku().SolutionTemplate, fiveSolution) << n;
    }
}

TEST_F(LayoutTest, KeepFlagKeepsTheTemplateNumber) {
    SeedRandom(3);
    HoldSeed(true);
    LoadTemplate(3);
    const LayoutRows three = Sudoku().RegionLayout;
    for (int i = 0; i < 50; ++i) {
        Settings().PuzzleType = 3;
        BuildLayout(-1);
        ASSERT_EQ(Settings().PuzzleType, 3);
        ASSERT_EQ(Sudoku().RegionLayout, three);
    }
}

TEST_F(LayoutTest, RegularLayoutLeavesTheTemplateSolutionAlone) {
    UseTemplate(2);
    const LayoutRows solution = Sudoku().SolutionTemplate;
    Settings().PuzzleType = 0;
    BuildLayout(0);
    EXPECT_EQ(Sudoku().SolutionTemplate, solution);
}

// 4R + 1 rounded: 1 and 5 half as often as 2, 3 and 4.
TEST_F(LayoutTest, TrainingDrawsTemplatesOneToFive) {
    SeedRandom(11);
    HoldSeed(true);
    std::map<int, int> draws;
    const int total = 8000;
    for (int i = 0; i < total; ++i) {
        Settings().PuzzleType = 1;
        BuildLayout(0);
        ++draws[Settings().PuzzleType];
        const LayoutRows built = Sudoku().RegionLayout;
        LoadTemplate(Settings().PuzzleType);
        ASSERT_EQ(built, Sudoku().RegionLayout);
    }
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws.begin()->first, 1);
    EXPECT_EQ(draws.rbegin()->first, 5);
    for (const auto& [type, count] : draws) {
        const double share = count / static_cast<double>(total);
        const double expected = (type == 1 || type == 5) ? 0.125 : 0.25;
        EXPECT_NEAR(share, expected, 0.02) << type;
    }
}

TEST_F(LayoutTest, SolutionDigitReadsRowThenColumn) {
    Sudoku().SolutionGrid[2][5] = 7;
    Sudoku().SolutionGrid[5][2] = 4;
    EXPECT_EQ(GetSolutionDigit(23), 7);
    EXPECT_EQ(GetSolutionDigit(47), 4);
}

} // namespace
