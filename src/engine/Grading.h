#pragma once

#include "engine/Grid.h"
#include "engine/LogicStep.h"

// How hard a puzzle is to solve by reasoning, named apart from the levels Easy, Normal and
// Hard, which count givens.
enum class Grade {
    Gentle,     // singles only
    Moderate,   // locked candidates
    Tough,      // pairs and triples
    Fiendish,   // X-Wing
    Beyond,     // more than the step solver knows
    Several,    // more than one solution
    Unsolvable, // no solution at all
};

struct PuzzleGrade {
    Grade grade = Grade::Gentle;
    Technique hardest = Technique::FullHouse; // the hardest technique used
    int cellsLeft = 0;                        // open cells where the steps stalled
};

// Checks uniqueness first, then solves by successive simplest steps.
PuzzleGrade GradePuzzle(const Grid& puzzle, const LayoutRows& layout);

// The grade a technique calls for.
Grade GradeOf(Technique technique);

// "Gentle", "Moderate", ... and "None" for a puzzle without a solution.
const char* GradeName(Grade grade);
