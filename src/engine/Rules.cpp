#include "engine/Rules.h"

#include <array>

bool AreNeighbours(const LayoutRows& layout, int a, int b) {
    if (a == b) return false;
    return a / 9 == b / 9 || a % 9 == b % 9 || RegionOf(layout, a) == RegionOf(layout, b);
}

int FindClash(const Grid& grid, const LayoutRows& layout, int cell, int digit) {
    const int row = cell / 9;
    const int column = cell % 9;
    for (int c = 0; c < 9; ++c) {
        if (c != column && grid[row][c] == digit) return 9 * row + c;
    }
    for (int r = 0; r < 9; ++r) {
        if (r != row && grid[r][column] == digit) return 9 * r + column;
    }
    // Cells sharing the row or column were covered above.
    const int region = RegionOf(layout, cell);
    for (int other = 0; other < 81; ++other) {
        if (other / 9 != row && other % 9 != column && RegionOf(layout, other) == region &&
            CellOf(grid, other) == digit)
            return other;
    }
    return -1;
}

DigitSet AllowedDigits(const Grid& grid, const LayoutRows& layout, int cell) {
    DigitSet allowed = AllDigits;
    for (int other = 0; other < 81; ++other) {
        const int digit = CellOf(grid, other);
        if (digit != 0 && AreNeighbours(layout, cell, other))
            allowed &= static_cast<DigitSet>(~DigitBit(digit));
    }
    return allowed;
}

bool IsFull(const Grid& grid) {
    for (int cell = 0; cell < 81; ++cell) {
        if (CellOf(grid, cell) == 0) return false;
    }
    return true;
}

bool HasClash(const Grid& grid, const LayoutRows& layout) {
    // Units 0..8 are the rows, 9..17 the columns, 18..26 the regions; bit d is digit d.
    std::array<uint16_t, 27> seen{};
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int digit = grid[r][c];
            if (digit == 0) continue;
            const auto bit = static_cast<uint16_t>(1u << digit);
            for (int unit : {r, 9 + c, 18 + (layout[r][c] - '1')}) {
                if (seen[static_cast<size_t>(unit)] & bit) return true;
                seen[static_cast<size_t>(unit)] |= bit;
            }
        }
    }
    return false;
}
