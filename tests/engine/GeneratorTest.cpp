#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Hooks.h"
#include "engine/Layout.h"
#include "engine/Random.h"
#include "engine/Solver.h"

#include <gtest/gtest.h>

#include <algorithm>
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

    // A new game as the loading screen runs it: type 0 is a regular training game,
    // 1..5 the challenge stage that uses that template.
    void NewGame(int16_t type, int16_t level, uint64_t seed) {
        SeedRandom(seed);
        HoldSeed(true);
        Settings().TrainingMode = type == 0;
        Settings().PuzzleType = 0;
        Settings().Stage = static_cast<uint8_t>(type == 0 ? 0 : 2 * type - 1);
        pumps = 0;
        PrepareNewPuzzle();
        BuildSolution();
        HideCells(level);
    }

    int errors = 0;
    int pumps = 0;
};

TEST_F(GeneratorTest, EveryTypeAndLevelGivesAValidPuzzleWithTheRightQuotas) {
    const std::array<int, 3> givens{41, 32, 27};
    for (int16_t type = 0; type <= 5; ++type) {
        for (int16_t level = 0; level <= 2; ++level) {
            for (uint64_t seed = 0; seed < 60; ++seed) {
                SCOPED_TRACE(testing::Message() << type << "/" << level << "/" << seed);
                NewGame(type, level, seed);
                const EngineState& s = Sudoku();
                ASSERT_EQ(Settings().PuzzleType, type);
                const std::string puzzle = Flatten(s.GivenGrid);
                ASSERT_TRUE(sudoku_checks::IsSolution(s.SolutionGrid, s.RegionLayout));
                ASSERT_TRUE(sudoku_checks::KeepsGivens(puzzle, Flatten(s.SolutionGrid)));
                ASSERT_EQ(s.CurrentGrid, s.GivenGrid);
                ASSERT_EQ(std::count(puzzle.begin(), puzzle.end(), '0'), 81 - givens[level]);
                ASSERT_EQ(sudoku_checks::EmptiesPerRow(puzzle),
                          sudoku_checks::ExpectedEmpties(level));
                if (type == 0) {
                    ASSERT_GE(pumps, 9);
                } else {
                    ASSERT_EQ(pumps, 10);
                }
            }
        }
    }
    EXPECT_EQ(errors, 0);
}

TEST_F(GeneratorTest, NonominoSolutionRelabelsTheTemplateAndKeepsItsOnes) {
    for (int16_t type = 1; type <= 5; ++type) {
        for (uint64_t seed = 0; seed < 40; ++seed) {
            NewGame(type, 0, seed);
            const EngineState& s = Sudoku();
            std::map<char, int16_t> relabel;
            for (int i = 0; i < 81; ++i) {
                const char from = s.SolutionTemplate[i / 9][i % 9];
                const int16_t to = s.SolutionGrid[i / 9][i % 9];
                relabel.emplace(from, to);
                ASSERT_EQ(relabel[from], to) << "template " << type << " seed " << seed;
                if (from == '1') {
                    ASSERT_EQ(to, 1) << "template " << type << " seed " << seed;
                }
            }
        }
    }
}

TEST_F(GeneratorTest, ChallengeTakesTheTemplateFromTheStage) {
    Settings().TrainingMode = false;
    for (uint8_t stage = 0; stage < 10; ++stage) {
        Settings().Stage = stage;
        Settings().PuzzleType = 1;
        PrepareNewPuzzle();
        const int16_t type = Settings().StageType[stage];
        ASSERT_EQ(Settings().PuzzleType, type);
        const LayoutRows built = Sudoku().RegionLayout;
        if (type == 0) {
            EXPECT_EQ(built, sudoku_checks::BoxLayout());
        } else {
            LoadTemplate(type);
            EXPECT_EQ(built, Sudoku().RegionLayout);
        }
    }
}

TEST_F(GeneratorTest, LaterRowsFollowFromTheSolutionAndRowZero) {
    NewGame(0, 0, 5);
    const Grid solution = Sudoku().SolutionGrid;
    for (int16_t level = 0; level <= 2; ++level) {
        std::map<std::string, std::string> byRowZero;
        for (uint64_t seed = 0; seed < 300; ++seed) {
            Sudoku().CurrentGrid = solution;
            SeedRandom(seed);
            HideCells(level);
            const std::string puzzle = Flatten(Sudoku().GivenGrid);
            const auto [it, added] = byRowZero.emplace(puzzle.substr(0, 9), puzzle);
            ASSERT_EQ(it->second, puzzle) << "level " << level << " seed " << seed;
        }
        EXPECT_GT(byRowZero.size(), 20u);
    }
}

// With one cell per row no earlier row has two gaps, so no penalty applies: each row
// empties the first column whose column and digit have lost nothing yet.
TEST_F(GeneratorTest, ScoresSpreadTheEmptiedCellsOverColumnsAndDigits) {
    Grid solution{};
    const std::array<int, 9> shift{0, 3, 6, 1, 4, 7, 2, 5, 8};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            solution[r][c] = static_cast<int16_t>((shift[r] + c) % 9 + 1);
    }
    bool found = false;
    for (uint64_t seed = 0; seed < 200 && !found; ++seed) {
        Sudoku().CurrentGrid = solution;
        SeedRandom(seed);
        HideCells(3);
        found = Sudoku().GivenGrid[0][0] == 0;
    }
    ASSERT_TRUE(found);
    const std::array<int, 9> emptied{0, 1, 2, 4, 3, 5, 8, 6, 7};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(Sudoku().GivenGrid[r][c] == 0, c == emptied[r]) << r << "," << c;
    }
}

// Rows 0 and 1 hold 1 and 4 crosswise in columns 0 and 3. Once row 0 has lost columns
// 0, 3, 4, 5, 7 and 8, emptying both (1,0) and (1,3) would leave two solutions. Row 1
// scores 6 8 7 6 6 7 8 6 6 by column, which would empty both; the tie costs the later
// cell, (1,3), its place and (1,4) goes instead.
TEST_F(GeneratorTest, SwappablePairInTheRowAboveIsNotEmptiedTwice) {
    Grid top{};
    const std::array<std::string, 3> rows{"123456789", "478192356", "569378124"};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 9; ++c)
            top[r][c] = static_cast<int16_t>(rows[r][c] - '0');
    }
    const std::optional<Grid> solution = SolveGrid(top, sudoku_checks::BoxLayout());
    ASSERT_TRUE(solution);
    bool found = false;
    for (uint64_t seed = 0; seed < 5000 && !found; ++seed) {
        Sudoku().CurrentGrid = *solution;
        SeedRandom(seed);
        HideCells(2);
        found = Flatten(Sudoku().GivenGrid).substr(0, 9) == "023000700";
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(Flatten(Sudoku().GivenGrid).substr(9, 9), "000100056");
}

// A Normal puzzle worked out apart from the engine. Its later rows penalise the earlier
// cell of a swappable pair, and then the single downward pass leaves an order that a full
// sort would not.
TEST_F(GeneratorTest, KnownSolutionAndRowZeroGiveAKnownPuzzle) {
    const std::string solution =
        "469527813273918564581463297617289435852346179394175682928634751745891326136752948";
    const std::string expected =
        "009500013270008000000460207000009430850006100004070080900630001045000020000052908";
    bool found = false;
    for (uint64_t seed = 0; seed < 5000 && !found; ++seed) {
        for (int i = 0; i < 81; ++i)
            Sudoku().CurrentGrid[i / 9][i % 9] = static_cast<int16_t>(solution[i] - '0');
        SeedRandom(seed);
        HideCells(1);
        found = Flatten(Sudoku().GivenGrid).substr(0, 9) == expected.substr(0, 9);
    }
    ASSERT_TRUE(found);
    EXPECT_EQ(Flatten(Sudoku().GivenGrid), expected);
}

TEST_F(GeneratorTest, LevelsOutsideTheTableEmptyOneCellPerRow) {
    NewGame(0, 0, 9);
    const Grid solution = Sudoku().SolutionGrid;
    for (int16_t level : {-1, 3, 100}) {
        Sudoku().CurrentGrid = solution;
        HideCells(level);
        const std::array<int, 9> one{1, 1, 1, 1, 1, 1, 1, 1, 1};
        EXPECT_EQ(sudoku_checks::EmptiesPerRow(Flatten(Sudoku().GivenGrid)), one) << level;
    }
}

// Rounding R(n - 1) + 1 makes the first and last free digit half as likely.
TEST_F(GeneratorTest, PickRandomFreeDigitCountsOnlyFreeDigits) {
    SeedRandom(21);
    EngineState& s = Sudoku();
    s.SeenDigits = {true, false, true, true, false, true, true, true, false};
    s.FreeDigitCount = 3;
    std::map<int16_t, int> picks;
    for (int i = 0; i < 4000; ++i)
        ++picks[PickRandomFreeDigit()];
    ASSERT_EQ(picks.size(), 3u);
    EXPECT_NEAR(picks[2] / 4000.0, 0.25, 0.03);
    EXPECT_NEAR(picks[5] / 4000.0, 0.5, 0.03);
    EXPECT_NEAR(picks[9] / 4000.0, 0.25, 0.03);

    s.FreeDigitCount = 0;
    EXPECT_EQ(PickRandomFreeDigit(), -1);
}

TEST_F(GeneratorTest, CountFreeDigitsLooksOnlyAtEarlierCells) {
    BuildLayout(0);
    Grid& g = Sudoku().CurrentGrid;
    g[4][0] = 1; // row, before the cell
    g[4][8] = 2; // row, after the cell: ignored
    g[0][4] = 3; // column, above
    g[8][4] = 4; // column, below: ignored
    g[3][3] = 5; // box, earlier in reading order
    g[5][5] = 6; // box, later: ignored
    g[4][4] = 7; // the cell itself
    CountFreeDigits(4, 4);
    EXPECT_EQ(Sudoku().FreeDigitCount, 5);
    const std::array<bool, 9> seen{true, false, true, false, true, false, true, false, false};
    EXPECT_EQ(Sudoku().SeenDigits, seen);
}

TEST_F(GeneratorTest, NextUntriedDigitSkipsSeenAndTriedDigits) {
    BuildLayout(0);
    EngineState& s = Sudoku();
    s.CurrentGrid[0][0] = 1;
    s.CurrentGrid[0][1] = 3;
    s.TriedDigits[0][2] = {2, 4, 0, 0, 0, 0, 0, 0, 0};
    s.TriedCount[0][2] = 2;
    EXPECT_EQ(NextUntriedDigit(0, 2), 5);
    s.TriedCount[0][2] = 1;
    EXPECT_EQ(NextUntriedDigit(0, 2), 4);
    s.TriedDigits[0][2] = {2, 4, 5, 6, 7, 8, 9, 0, 0};
    s.TriedCount[0][2] = 7;
    EXPECT_EQ(NextUntriedDigit(0, 2), -1);
}

// Column 0 above row 8 and the earlier cells of its box already hold all nine digits, so
// the first cell of row 8 never gets a digit and every call steps back into row 7.
TEST_F(GeneratorTest, FillRowStepsBackIntoThePreviousRow) {
    BuildLayout(0);
    EngineState& s = Sudoku();
    for (int r = 0; r < 8; ++r)
        s.CurrentGrid[r][0] = static_cast<int16_t>(r + 1);
    s.CurrentGrid[7][1] = 9;
    // (7,8) can take 1..7; each step back tries the lowest digit not yet tried there.
    for (int16_t tries = 1; tries <= 7; ++tries) {
        int16_t row = 8;
        FillRow(row);
        ASSERT_EQ(row, 7);
        ASSERT_EQ(s.CurrentGrid[7][8], tries);
        ASSERT_EQ(s.TriedCount[7][8], tries);
    }
    // Out of digits: (7,8) is cleared and forgets its tries, (7,7) takes its first digit
    // and (7,8) is filled afresh.
    int16_t row = 8;
    FillRow(row);
    EXPECT_EQ(row, 7);
    EXPECT_EQ(s.CurrentGrid[7][7], 1);
    EXPECT_EQ(s.TriedCount[7][7], 1);
    EXPECT_EQ(s.TriedCount[7][8], 0);
    EXPECT_GE(s.CurrentGrid[7][8], 2);
    EXPECT_LE(s.CurrentGrid[7][8], 7);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(s.CurrentGrid[8][c], 0);
    EXPECT_EQ(errors, 0);
}

} // namespace
