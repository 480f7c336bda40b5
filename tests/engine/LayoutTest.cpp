#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace sudoku_checks;

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSudoku();
        ResetSettings();
        SeedRandom(3);
        HoldSeed(true);
    }
    void TearDown() override { HoldSeed(false); }
};

// Type 0 is the regular board, whose regions are the boxes.
TEST_F(LayoutTest, LayoutsHaveConnectedRegionsFittingSolutionsAndConsistentLookups) {
    for (int16_t n = 0; n <= 5; ++n) {
        Settings().PuzzleType = n;
        BuildLayout(-1);
        const std::string regions = Flatten(Sudoku().RegionLayout);
        EXPECT_TRUE(HasNineConnectedRegions(regions)) << n;
        EXPECT_TRUE(n == 0 ? regions == Flatten(BoxLayout())
                           : IsSolution(Flatten(Sudoku().SolutionTemplate), regions))
            << n;
        for (int i = 0; i < 81; ++i) {
            const int16_t k = GetIndexInRegion(i % 9, i / 9);
            ASSERT_GE(k, 0);
            const CellPos self = GetRegionCell(i % 9, i / 9, k);
            const CellPos before = GetRegionCell(i % 9, i / 9, k > 0 ? k - 1 : 0);
            EXPECT_EQ(9 * self.row + self.column, i);
            EXPECT_TRUE(k == 0 || 9 * before.row + before.column < i) << "reading order";
        }
    }
    LoadTemplate(1);
    Sudoku().RegionCells = ComputeRegionCells(Sudoku().RegionLayout);
    EXPECT_EQ(GetRegion(4, 0), 3);
    EXPECT_EQ(Sudoku().RegionCells[2][0].column, 4);
    EXPECT_EQ(Sudoku().RegionCells[2][0].row, 0);
}

TEST_F(LayoutTest, TemplateNumbersOutsideOneToFourLoadTemplateFiveAndKeepIsKept) {
    LoadTemplate(5);
    const LayoutRows five = Sudoku().RegionLayout;
    for (int16_t n : {0, 7}) {
        LoadTemplate(1);
        LoadTemplate(n);
        EXPECT_EQ(Sudoku().RegionLayout, five) << n;
    }
    LoadTemplate(3);
    const LayoutRows three = Sudoku().RegionLayout;
    for (int i = 0; i < 20; ++i) {
        Settings().PuzzleType = 3;
        BuildLayout(-1);
        EXPECT_EQ(Settings().PuzzleType, 3);
        EXPECT_EQ(Sudoku().RegionLayout, three);
    }
}

// 4R + 1 rounded: templates 1 and 5 come half as often as 2, 3 and 4.
TEST_F(LayoutTest, TrainingDrawsTemplatesOneToFive) {
    std::map<int, int> draws;
    for (int i = 0; i < 8000; ++i) {
        Settings().PuzzleType = 1;
        BuildLayout(0);
        ++draws[Settings().PuzzleType];
        const LayoutRows built = Sudoku().RegionLayout;
        LoadTemplate(Settings().PuzzleType);
        ASSERT_EQ(built, Sudoku().RegionLayout);
    }
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws.begin()->first, 1);
    for (const auto& [type, count] : draws)
        EXPECT_NEAR(count / 8000.0, type == 1 || type == 5 ? 0.125 : 0.25, 0.02) << type;
}

} // namespace
