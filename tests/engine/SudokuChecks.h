#pragma once

// Checks written apart from the engine, so a fault there cannot hide itself here.

#include "engine/Grid.h"

#include <array>
#include <string>
#include <vector>

namespace sudoku_checks {

// Region digits of a layout as one 81-character string, row by row.
inline std::string Flatten(const LayoutRows& layout) {
    std::string flat;
    for (const std::string& row : layout)
        flat += row;
    return flat;
}

inline std::string Flatten(const Grid& grid) {
    std::string flat;
    for (const auto& row : grid) {
        for (int16_t value : row)
            flat += static_cast<char>('0' + value);
    }
    return flat;
}

inline LayoutRows BoxLayout() {
    LayoutRows layout;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c)
            layout[r] += static_cast<char>('1' + 3 * (r / 3) + c / 3);
    }
    return layout;
}

// Each region digit names exactly nine cells, joined edge to edge.
inline bool HasNineConnectedRegions(const std::string& regions) {
    if (regions.size() != 81) return false;
    for (char region = '1'; region <= '9'; ++region) {
        std::vector<int> stack;
        std::array<bool, 81> seen{};
        int size = 0;
        for (int i = 0; i < 81; ++i)
            size += regions[i] == region ? 1 : 0;
        const auto start = regions.find(region);
        if (size != 9 || start == std::string::npos) return false;
        stack.push_back(static_cast<int>(start));
        seen[start] = true;
        int reached = 0;
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            ++reached;
            const int r = cell / 9;
            const int c = cell % 9;
            const std::array<std::array<int, 2>, 4> steps{
                {{r - 1, c}, {r + 1, c}, {r, c - 1}, {r, c + 1}}};
            for (const auto& [nr, nc] : steps) {
                const int next = 9 * nr + nc;
                if (nr >= 0 && nr < 9 && nc >= 0 && nc < 9 && !seen[next] &&
                    regions[next] == region) {
                    seen[next] = true;
                    stack.push_back(next);
                }
            }
        }
        if (reached != 9) return false;
    }
    return true;
}

// Every row, column and region holds each digit 1..9 once.
inline bool IsSolution(const std::string& digits, const std::string& regions) {
    if (digits.size() != 81 || regions.size() != 81) return false;
    std::array<std::array<int, 10>, 27> counts{};
    for (int i = 0; i < 81; ++i) {
        const int d = digits[i] - '0';
        const int g = regions[i] - '1';
        if (d < 1 || d > 9 || g < 0 || g > 8) return false;
        ++counts[i / 9][d];
        ++counts[9 + i % 9][d];
        ++counts[18 + g][d];
    }
    for (const auto& unit : counts) {
        for (int d = 1; d <= 9; ++d) {
            if (unit[d] != 1) return false;
        }
    }
    return true;
}

inline bool IsSolution(const Grid& grid, const LayoutRows& layout) {
    return IsSolution(Flatten(grid), Flatten(layout));
}

// Every non-zero digit of the puzzle stands in the same place in the solution.
inline bool KeepsGivens(const std::string& puzzle, const std::string& solution) {
    for (size_t i = 0; i < puzzle.size(); ++i) {
        if (puzzle[i] != '0' && puzzle[i] != solution[i]) return false;
    }
    return puzzle.size() == solution.size();
}

inline std::array<int, 9> EmptiesPerRow(const std::string& puzzle) {
    std::array<int, 9> empties{};
    for (int i = 0; i < 81; ++i)
        empties[i / 9] += puzzle[i] == '0' ? 1 : 0;
    return empties;
}

// Cells emptied in each row: row 0 and the even rows lose q0 + 1, the odd rows q1 + 1.
inline std::array<int, 9> ExpectedEmpties(int level) {
    const std::array<std::array<int, 2>, 3> quotas{{{3, 4}, {4, 5}, {5, 5}}};
    std::array<int, 9> empties{};
    for (int r = 0; r < 9; ++r)
        empties[r] = quotas[level][r % 2] + 1;
    return empties;
}

} // namespace sudoku_checks
