#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Hooks.h"
#include "engine/Layout.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using sudoku_checks::Flatten;

class GeneratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSudoku();
        ResetSettings();
        FillStageTables();
        SetErrorReporter([this](const std::string&) { ++errors; });
        SetEventPump([this] { ++pumps; });
    }
    void TearDown() override {
        HoldSeed(false);
        SetErrorReporter(nullptr);
        SetEventPump(nullptr);
    }

    int errors = 0;
    int pumps = 0;
};

TEST_F(GeneratorTest, EveryTypeAndLevelDealsAValidPuzzle) {
    for (int16_t type = 0; type <= 5; ++type) {
        for (int16_t level = 0; level <= 2; ++level) {
            for (uint64_t seed = 0; seed < 60; ++seed) {
                SeedRandom(seed);
                HoldSeed(true);
                // Type 0 is a regular training game, 1..5 the challenge stage with that template.
                Settings().TrainingMode = type == 0;
                Settings().Stage = static_cast<uint8_t>(type == 0 ? 0 : 2 * type - 1);
                pumps = 0;
                PrepareNewPuzzle();
                BuildSolution();
                HideCells(level);
                const EngineState& s = Sudoku();
                ASSERT_EQ(Settings().PuzzleType, type);
                ASSERT_EQ(s.CurrentGrid, s.GivenGrid);
                ASSERT_TRUE(type == 0 ? pumps >= 9 : pumps == 10) << pumps;
                // The relabelling never moves digit 1.
                for (int i = 0; i < 81 && type != 0; ++i)
                    ASSERT_EQ(s.SolutionTemplate[i / 9][i % 9] == '1',
                              s.SolutionGrid[i / 9][i % 9] == 1);
            }
        }
    }
    EXPECT_EQ(errors, 0);
}

TEST_F(GeneratorTest, ChallengeTakesTheTemplateFromTheStage) {
    Settings().TrainingMode = false;
    for (uint8_t stage = 0; stage < 10; ++stage) {
        Settings().Stage = stage;
        Settings().PuzzleType = 1;
        PrepareNewPuzzle();
        ASSERT_EQ(Settings().PuzzleType, Settings().StageType[stage]);
        const LayoutRows built = Sudoku().RegionLayout;
        LoadTemplate(Settings().PuzzleType);
        EXPECT_EQ(built, stage % 2 ? Sudoku().RegionLayout : sudoku_checks::BoxLayout());
    }
    // A finished challenge stands one past the tables and keeps reading the last stage.
    Settings().Stage = 10;
    PrepareNewPuzzle();
    EXPECT_EQ(Settings().PuzzleType, 5);
}

// The known puzzle is worked out apart from the engine. The later rows penalise the earlier
// cell of a swappable pair, after which one downward pass leaves an order a full sort would not.
TEST_F(GeneratorTest, LaterRowsFollowFromTheSolutionAndRowZero) {
    const std::string solution =
        "469527813273918564581463297617289435852346179394175682928634751745891326136752948";
    const std::string known =
        "009500013270008000000460207000009430850006100004070080900630001045000020000052908";
    for (int16_t level : {0, 1, 2, 3}) {
        std::map<std::string, std::string> byRowZero;
        for (uint64_t seed = 0; seed < 300; ++seed) {
            Sudoku().CurrentGrid = sudoku_checks::ToGrid(solution);
            SeedRandom(seed);
            HideCells(level);
            const std::string puzzle = Flatten(Sudoku().GivenGrid);
            ASSERT_EQ(byRowZero.emplace(puzzle.substr(0, 9), puzzle).first->second, puzzle);
            // Any other level empties one cell per row.
            for (int r = 0; r < 9 && level == 3; ++r) {
                ASSERT_EQ(std::count(&puzzle[9 * r], &puzzle[9 * r + 9], '0'), 1);
            }
        }
        EXPECT_GT(byRowZero.size(), 8u);
        EXPECT_TRUE(level != 1 || byRowZero[known.substr(0, 9)] == known)
            << byRowZero[known.substr(0, 9)];
    }
}

// Rounding R(n - 1) + 1 makes the first and last free digit half as likely as the others.
TEST_F(GeneratorTest, PickRandomFreeDigitDrawsOnlyFreeDigits) {
    SeedRandom(21);
    Sudoku().SeenDigits = {true, false, true, true, false, true, true, true, false};
    Sudoku().FreeDigitCount = 3;
    std::map<int16_t, int> picks;
    for (int i = 0; i < 4000; ++i)
        ++picks[PickRandomFreeDigit()];
    ASSERT_EQ(picks.size(), 3u);
    for (const auto& [digit, share] : std::map<int16_t, double>{{2, 0.25}, {5, 0.5}, {9, 0.25}})
        EXPECT_NEAR(picks[digit] / 4000.0, share, 0.03) << digit;
    Sudoku().FreeDigitCount = 0;
    EXPECT_EQ(PickRandomFreeDigit(), -1);
}

// Column 0 above row 8 and the earlier cells of its box hold all nine digits, so (8,0)
// never gets one and every call steps back into row 7, where (7,8) can take 1..7.
TEST_F(GeneratorTest, FillRowStepsBackIntoThePreviousRow) {
    BuildLayout(0);
    EngineState& s = Sudoku();
    for (int r = 0; r < 8; ++r)
        s.CurrentGrid[r][0] = static_cast<int16_t>(r + 1);
    s.CurrentGrid[7][1] = 9;
    for (int16_t call = 1; call <= 8; ++call) {
        int16_t row = 8;
        FillRow(row);
        ASSERT_EQ(row, 7);
        if (call <= 7) {
            ASSERT_EQ(s.CurrentGrid[7][8], call) << "lowest digit not yet tried";
            ASSERT_EQ(s.TriedCount[7][8], call);
        }
    }
    // Out of digits: (7,8) was cleared and forgot its tries, (7,7) took its first digit.
    EXPECT_EQ(s.CurrentGrid[7][7], 1);
    EXPECT_EQ(s.TriedCount[7][8], 0);
    EXPECT_TRUE(s.CurrentGrid[7][8] >= 2 && s.CurrentGrid[7][8] <= 7);
    EXPECT_EQ(s.CurrentGrid[8], (std::array<int16_t, 9>{}));
    EXPECT_EQ(errors, 0);
}

} // namespace
