#pragma once

#include "engine/Grid.h"

#include <array>
#include <cstdint>

// The one game in progress, shared by the whole program.
struct EngineState {
    Grid CurrentGrid{};
    Grid GivenGrid{};
    Grid SolutionGrid{};
    LayoutRows RegionLayout{};
    LayoutRows SolutionTemplate{};
    RegionCellTable RegionCells{};

    // Working state of the regular solution search.
    std::array<bool, 9> SeenDigits{};
    int16_t FreeDigitCount = 9;
    std::array<std::array<std::array<uint8_t, 9>, 9>, 9> TriedDigits{};
    std::array<std::array<uint8_t, 9>, 9> TriedCount{};
};

EngineState& Sudoku();

// Back to the start-of-program values (all grids empty, no layout).
void ResetSudoku();
