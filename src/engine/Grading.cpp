#include "engine/Grading.h"

#include "engine/Solver.h"
#include "engine/StepSolver.h"

#include <algorithm>
#include <array>

Grade GradeOf(Technique technique) {
    if (technique <= Technique::NakedSingle) return Grade::Gentle;
    if (technique <= Technique::Claiming) return Grade::Moderate;
    if (technique <= Technique::HiddenTriple) return Grade::Tough;
    return Grade::Fiendish;
}

const char* GradeName(Grade grade) {
    static const std::array<const char*, 7> names{"Gentle", "Moderate", "Tough", "Fiendish",
                                                  "Beyond", "Several",  "None"};
    return names[static_cast<size_t>(grade)];
}

PuzzleGrade GradePuzzle(const Grid& puzzle, const LayoutRows& layout) {
    PuzzleGrade result;
    const int solutions = CountSolutions(puzzle, layout, 2);
    if (solutions != 1) {
        result.grade = solutions == 0 ? Grade::Unsolvable : Grade::Several;
        return result;
    }
    const std::optional<Houses> houses = Houses::Read(layout);
    Grid grid = puzzle;
    while (const std::optional<LogicStep> step = FindNextStep(grid, *houses)) {
        result.hardest = std::max(result.hardest, step->technique);
        for (const Elimination& elimination : step->eliminations)
            result.hardest = std::max(result.hardest, elimination.technique);
        CellOf(grid, step->cell) = static_cast<int16_t>(step->digit);
    }
    for (const auto& row : grid)
        result.cellsLeft += static_cast<int>(std::count(row.begin(), row.end(), 0));
    result.grade = result.cellsLeft > 0 ? Grade::Beyond : GradeOf(result.hardest);
    return result;
}
