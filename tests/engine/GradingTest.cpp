#include "SudokuChecks.h"

#include "engine/Grading.h"
#include "engine/Templates.h"

#include <gtest/gtest.h>

namespace {

using namespace sudoku_checks;

struct Graded {
    std::string puzzle;
    std::string regions;
    Grade grade;
    Technique hardest;
};

// Dealt puzzles unless said otherwise.
TEST(GradingTest, APuzzleIsGradedByTheHardestTechniqueItsSimplestStepsNeed) {
    const std::string boxes = Flatten(BoxLayout());
    const std::string rings = Flatten(NonominoTemplates()[3].layout);
    const std::vector<Graded> table{
        {Classic, boxes, Grade::Gentle, Technique::HiddenSingle},
        {"000070109004200060080003005800000630001520000470008000000039006005700090000004210", boxes,
         Grade::Moderate, Technique::Pointing},
        {"000003890000410006005700200980000004600070050020031000004000062070800900008006030", rings,
         Grade::Moderate, Technique::Pointing},
        {"006002300000010095070000804900100080007520000060009001703004000000080056080200040", boxes,
         Grade::Tough, Technique::HiddenPair},
        {"007060400000809002100000063010005020400090300002700080040508000070000105900320000", boxes,
         Grade::Fiendish, Technique::XWing},
        {Hardest, boxes, Grade::Beyond, Technique::FullHouse},
        {std::string(81, '0'), rings, Grade::Several, Technique::FullHouse},
        // A 1 put where the only solution has a 4.
        {"531070000600195000098000060800060003400803001700020006060000280000419005000080079", boxes,
         Grade::Unsolvable, Technique::FullHouse},
    };
    for (const Graded& row : table) {
        const PuzzleGrade graded = GradePuzzle(ToGrid(row.puzzle), ToLayout(row.regions));
        EXPECT_EQ(graded.grade, row.grade) << row.puzzle;
        EXPECT_EQ(graded.hardest, row.hardest) << row.puzzle;
        EXPECT_EQ(graded.cellsLeft, row.grade == Grade::Beyond ? 60 : 0) << row.puzzle;
    }
}

} // namespace
