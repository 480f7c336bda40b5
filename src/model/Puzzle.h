#pragma once

#include "engine/Grid.h"

// What stays fixed while a puzzle is played: its givens, its regions and the solution it
// was dealt with (empty when it came from a file, which holds none).
struct Puzzle {
    Grid givens{};
    LayoutRows layout{};
    Grid solution{};

    bool IsGiven(int cell) const { return CellOf(givens, cell) != 0; }
};
