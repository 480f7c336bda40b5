#pragma once

// Checks written apart from the engine, so a fault there cannot hide itself here.

#include "engine/Grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

namespace sudoku_checks {

// A well-known puzzle with exactly one solution, and that solution.
inline const std::string Classic =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
inline const std::string ClassicSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";
// Published as one of the hardest there are; no simple technique starts it.
inline const std::string Hardest =
    "800000000003600000070090200050007000000045700000100030001000068008500010090000400";

inline std::string Flatten(const LayoutRows& layout) {
    std::string flat;
    for (const std::string& row : layout)
        flat += row;
    return flat;
}

inline std::string Flatten(const Grid& grid) {
    std::string flat;
    for (int i = 0; i < 81; ++i)
        flat += static_cast<char>('0' + grid[i / 9][i % 9]);
    return flat;
}

inline Grid ToGrid(const std::string& digits) {
    Grid grid{};
    for (int i = 0; i < 81; ++i)
        grid[i / 9][i % 9] = static_cast<int16_t>(digits[i] - '0');
    return grid;
}

inline LayoutRows ToLayout(const std::string& regions) {
    LayoutRows layout;
    for (size_t r = 0; r < 9; ++r)
        layout[r] = regions.substr(9 * r, 9);
    return layout;
}

inline LayoutRows BoxLayout() {
    LayoutRows layout;
    for (int i = 0; i < 81; ++i)
        layout[i / 9] += static_cast<char>('1' + 3 * (i / 27) + i % 9 / 3);
    return layout;
}

// Each region digit names nine cells joined edge to edge.
inline bool HasNineConnectedRegions(const std::string& regions) {
    std::string left = regions;
    const auto reach = [&left](auto& self, char region, int i) -> int {
        if (left[i] != region) return 0;
        left[i] = '.';
        return 1 + (i % 9 > 0 ? self(self, region, i - 1) : 0) +
               (i % 9 < 8 ? self(self, region, i + 1) : 0) +
               (i >= 9 ? self(self, region, i - 9) : 0) + (i < 72 ? self(self, region, i + 9) : 0);
    };
    for (char region = '1'; region <= '9' && regions.size() == 81; ++region) {
        const auto start = left.find(region);
        if (start == std::string::npos || reach(reach, region, static_cast<int>(start)) != 9)
            return false;
    }
    return left == std::string(81, '.');
}

// Every row, column and region holds each digit 1..9 once.
inline bool IsSolution(const std::string& digits, const std::string& regions) {
    std::array<std::array<int, 10>, 27> seen{};
    for (int i = 0; i < 81 && digits.size() == 81 && regions.size() == 81; ++i) {
        const int d = digits[i] - '0';
        const int g = regions[i] - '1';
        if (d < 1 || d > 9 || g < 0 || g > 8 || seen[i / 9][d]++ || seen[9 + i % 9][d]++ ||
            seen[18 + g][d]++)
            return false;
    }
    return digits.size() == 81 && regions.size() == 81;
}

inline bool IsSolution(const Grid& grid, const LayoutRows& layout) {
    return IsSolution(Flatten(grid), Flatten(layout));
}

// The digit is not yet in the empty cell's row, column or region.
inline bool Fits(const std::string& digits, const std::string& regions, int cell, int digit) {
    for (int other = 0; other < 81; ++other) {
        const bool peer =
            other / 9 == cell / 9 || other % 9 == cell % 9 || regions[other] == regions[cell];
        if (peer && digits[other] - '0' == digit) return false;
    }
    return digits[cell] == '0';
}

inline bool KeepsGivens(const std::string& puzzle, const std::string& solution) {
    for (size_t i = 0; i < puzzle.size() && puzzle.size() == solution.size(); ++i)
        if (puzzle[i] != '0' && puzzle[i] != solution[i]) return false;
    return puzzle.size() == solution.size();
}

// A dealt puzzle: a valid solution, givens taken from it, 41/32/27 givens, and row 0 and
// the even rows emptied by q0 + 1 cells, the odd rows by q1 + 1.
inline ::testing::AssertionResult IsDealt(const std::string& puzzle, const std::string& solution,
                                          const std::string& regions, int level) {
    const std::array<std::array<int, 2>, 3> quotas{{{3, 4}, {4, 5}, {5, 5}}};
    const std::array<int, 3> givens{41, 32, 27};
    if (!IsSolution(solution, regions) || !KeepsGivens(puzzle, solution))
        return ::testing::AssertionFailure() << "bad solution or givens: " << puzzle;
    if (81 - std::count(puzzle.begin(), puzzle.end(), '0') != givens[level])
        return ::testing::AssertionFailure() << "wrong number of givens: " << puzzle;
    for (int r = 0; r < 9; ++r)
        if (std::count(puzzle.begin() + 9 * r, puzzle.begin() + 9 * r + 9, '0') !=
            quotas[level][r % 2] + 1)
            return ::testing::AssertionFailure() << "row " << r << " quota: " << puzzle;
    return ::testing::AssertionSuccess();
}

} // namespace sudoku_checks
