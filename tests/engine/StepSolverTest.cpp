#include "SudokuChecks.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Random.h"
#include "engine/Solver.h"
#include "engine/StepSolver.h"
#include "engine/StepText.h"
#include "engine/Templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>

namespace {

using namespace sudoku_checks;

const std::string Boxes = Flatten(BoxLayout());
const std::string Spiral = Flatten(NonominoTemplates()[1].layout);
const std::string Stripes = Flatten(NonominoTemplates()[4].layout);

bool InHouse(House house, const std::string& regions, int cell) {
    switch (house.kind) {
    case HouseKind::Row: return cell / 9 == house.index;
    case HouseKind::Column: return cell % 9 == house.index;
    case HouseKind::Region: break;
    }
    return regions[cell] == '1' + house.index;
}

struct Position {
    std::string grid;
    std::string regions;
    int cell;
    int digit;
    Technique placement;
    std::string line;
    std::string cleared = ""; // the cells the elimination cleared of clearedDigit
    int clearedDigit = 0;
};

// Dealt puzzles part way through, each where its technique is the simplest step.
TEST(StepSolverTest, EachTechniqueIsFoundWhereItIsTheSimplestStep) {
    using enum Technique;
    const std::vector<Position> positions{
        {"720000501000067039900510080064000903072304008000601005207148396000736800638000100", Boxes,
         55, 5, FullHouse, "Full house: 5 is the only digit missing from row 7"},
        {"200003006005000810000027040080600003000410900007900500460000009003085000170000050",
         Spiral, 26, 5, HiddenSingle, "Hidden single: 5 can go only here in this region"},
        {"720000501000067039900510080064000903072304008000601005257148396000736800638000100", Boxes,
         40, 9, HiddenSingle, "Hidden single: 9 can go only here in row 5"},
        {"657934281003108756010000943700010005006209007000040608070003800065400070020071500", Boxes,
         13, 2, NakedSingle, "Naked single: 2 is the only digit this cell can take"},
        {"040092680069180003897000050500000019900400806670930028406007090000068900300019062",
         Stripes, 60, 1, HiddenSingle,
         "Pointing: this region's 1s lie in column 9, so no other cell there can be 1", "62 71", 1},
        {"001500490060097003950002670040000085596830000108025060327000009615000200489200006", Boxes,
         53, 4, NakedSingle,
         "Claiming: row 5's 7s lie in this region, so no other cell there can be 7", "53", 7},
        {"050402008002001070000003290900010300020780006006004050240000001638140720500020060", Boxes,
         32, 6, NakedSingle,
         "Naked pair: these cells take only 5 and 9, so no other in column 6 can", "32", 5},
        {"006002317000010295070000864900100082007520039060009071703004028020080056680200043", Boxes,
         1, 9, HiddenSingle,
         "Hidden pair: 1 and 2 fit only here in this region, so nothing else can", "20", 9},
        {"000059600040300010000700028452000001078090000000004850590020103600900700081003000", Boxes,
         22, 4, HiddenSingle,
         "Naked triple: these cells take only 3, 4 and 7, so no other in row 1 can", "3", 4},
        {"050091764006200300001004528507000006010000830800400070000128907000943600100576003", Boxes,
         46, 6, HiddenSingle,
         "Hidden triple: 1, 3 and 8 fit only here in this region, so nothing else can", "49", 6},
        {"000008064006290305103645027527060008004800502918000036000906243009004001000780659", Boxes,
         34, 9, NakedSingle,
         "X-Wing: columns 4 and 7 take 1 only in rows 1 and 4, so no other 1 there", "34", 1},
    };
    for (const Position& position : positions) {
        const std::optional<LogicStep> step =
            FindNextStep(ToGrid(position.grid), ToLayout(position.regions));
        ASSERT_TRUE(step) << position.line;
        EXPECT_EQ(DescribeStep(*step), position.line);
        EXPECT_EQ(step->cell, position.cell) << position.line;
        EXPECT_EQ(step->digit, position.digit) << position.line;
        EXPECT_EQ(step->technique, position.placement) << position.line;
        std::vector<CellDigit> cleared;
        std::istringstream cells(position.cleared);
        for (int cell; cells >> cell;)
            cleared.push_back({cell, position.clearedDigit});
        EXPECT_EQ(step->eliminations.size(), cleared.empty() ? 0u : 1u) << position.line;
        for (const Elimination& elimination : step->eliminations)
            EXPECT_EQ(elimination.cleared, cleared) << position.line;
    }
}

TEST(StepSolverTest, NoStepOnAFullABrokenOrAMalformedGridOrWhereNoTechniqueHelps) {
    std::string clash = ClassicSolution;
    clash[1] = '5';
    clash[2] = '0';
    // No rule broken, but the 9s below the first box shut it off from its 9, so the full
    // house in row 6 must not be offered.
    const std::string noRoom =
        "001000000002000000003000000900000000000000000234567810090000000000000000000000000";
    for (const std::string& grid : {ClassicSolution, clash, noRoom, Hardest})
        EXPECT_FALSE(FindNextStep(ToGrid(grid), BoxLayout())) << grid;
    EXPECT_FALSE(FindNextStep(Grid{}, ToLayout(std::string(81, '1'))));
}

// What the placement rests on, checked apart from the solver: with the digits the step
// cleared taken away, the digit is the only one its cell can take, or its house has no
// other place for it, or the cell is the last of its house.
::testing::AssertionResult Follows(const LogicStep& step, const std::string& digits,
                                   const std::string& regions) {
    std::vector<CellDigit> cleared;
    for (const Elimination& elimination : step.eliminations)
        cleared.insert(cleared.end(), elimination.cleared.begin(), elimination.cleared.end());
    const auto fits = [&](int cell, int digit) {
        return Fits(digits, regions, cell, digit) &&
               std::find(cleared.begin(), cleared.end(), CellDigit{cell, digit}) == cleared.end();
    };
    bool alone = fits(step.cell, step.digit);
    for (int other = 0; other < 81; ++other) {
        const bool inHouse = step.technique != Technique::NakedSingle && other != step.cell &&
                             InHouse(step.houses.front(), regions, other);
        if (step.technique == Technique::FullHouse && inHouse && digits[other] == '0')
            alone = false;
        for (int digit = 1; digit <= 9; ++digit) {
            const bool rival = step.technique == Technique::NakedSingle
                                   ? other == step.cell && digit != step.digit
                                   : inHouse && digit == step.digit;
            if (rival && fits(other, digit)) alone = false;
        }
    }
    if (alone) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << DescribeStep(step) << " at " << digits;
}

// An empty cell with one digit left, or a house with one place left for a digit.
bool HasSingle(const std::string& digits, const std::string& regions) {
    std::array<std::array<int, 10>, 27> places{};
    for (int cell = 0; cell < 81; ++cell) {
        int fitting = 0;
        for (int digit = 1; digit <= 9; ++digit) {
            if (!Fits(digits, regions, cell, digit)) continue;
            ++fitting;
            for (int house : {cell / 9, 9 + cell % 9, 18 + regions[cell] - '1'})
                ++places[house][digit];
        }
        if (fitting == 1) return true;
    }
    return std::any_of(places.begin(), places.end(), [](const std::array<int, 10>& house) {
        return std::count(house.begin(), house.end(), 1) > 0;
    });
}

TEST(StepSolverTest, StepsThroughDealtPuzzlesPlaceOnlySolutionDigitsAndStopOnlyWithoutSingles) {
    constexpr int PerSet = 1000;
    ResetSudoku();
    ResetSettings();
    FillStageTables();
    SeedRandom(20);
    HoldSeed(true);
    Settings().TrainingMode = false;
    int solved = 0;
    int stalled = 0;
    for (int16_t level : {0, 1, 2}) {
        for (bool nonomino : {false, true}) {
            for (int i = 0; i < PerSet; ++i) {
                // Challenge stages 1, 3, ..., 9 hold the five templates.
                Settings().Stage = static_cast<uint8_t>(nonomino ? 1 + 2 * (i % 5) : 0);
                PrepareNewPuzzle();
                BuildSolution();
                HideCells(level);
                const EngineState& s = Sudoku();
                if (CountSolutions(s.GivenGrid, s.RegionLayout, 2) != 1) continue;
                const std::string regions = Flatten(s.RegionLayout);
                const std::string solution = Flatten(s.SolutionGrid);
                std::string digits = Flatten(s.GivenGrid);
                while (const auto step = FindNextStep(ToGrid(digits), s.RegionLayout)) {
                    ASSERT_EQ(solution[step->cell] - '0', step->digit) << digits;
                    for (const Elimination& elimination : step->eliminations) {
                        for (const CellDigit& clear : elimination.cleared) {
                            ASSERT_TRUE(Fits(digits, regions, clear.cell, clear.digit));
                            ASSERT_NE(solution[clear.cell] - '0', clear.digit) << digits;
                        }
                    }
                    ASSERT_TRUE(Follows(*step, digits, regions));
                    ASSERT_LE(DescribeStep(*step).size(), 78u) << DescribeStep(*step);
                    digits[step->cell] = static_cast<char>('0' + step->digit);
                }
                if (digits == solution) {
                    ++solved;
                    continue;
                }
                ++stalled;
                ASSERT_FALSE(HasSingle(digits, regions)) << "stopped short at " << digits;
            }
        }
    }
    HoldSeed(false);
    EXPECT_GT(solved, PerSet * 4);
    EXPECT_LE(stalled, solved / 50);
}

} // namespace
