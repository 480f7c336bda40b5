#include "engine/Rules.h"

#include "engine/EngineState.h"
#include "engine/Layout.h"

#include <array>

namespace {

// The first cell, in the order row, column, region, that already holds num; -1 if none.
int16_t FindClash(int16_t cellIndex, int16_t num) {
    const Grid& grid = Sudoku().CurrentGrid;
    const int r = cellIndex / 9;
    const int c = cellIndex % 9;
    for (int c2 = 0; c2 <= 8; ++c2) {
        if (c2 != c && grid[r][c2] == num) return static_cast<int16_t>(9 * r + c2);
    }
    for (int r2 = 0; r2 <= 8; ++r2) {
        if (r2 != r && grid[r2][c] == num) return static_cast<int16_t>(9 * r2 + c);
    }
    // Cells sharing the row or column were covered above.
    for (int k = 0; k <= 8; ++k) {
        const CellPos cell = GetRegionCell(c, r, k);
        if (cell.row != r && cell.column != c && grid[cell.row][cell.column] == num)
            return static_cast<int16_t>(9 * cell.row + cell.column);
    }
    return -1;
}

} // namespace

bool TryPlaceDigit(int16_t cellIndex, int16_t num, int16_t& clash) {
    int16_t& cell = Sudoku().CurrentGrid[cellIndex / 9][cellIndex % 9];
    if (num == 0) {
        cell = 0;
        clash = -1;
        return true;
    }
    const int16_t hit = FindClash(cellIndex, num);
    if (hit != -1) {
        clash = hit;
        return false;
    }
    cell = num;
    return true;
}

bool IsDigitAllowed(int16_t cellIndex, int16_t num) { return FindClash(cellIndex, num) == -1; }

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

bool IsGridFull() {
    for (const auto& row : Sudoku().CurrentGrid) {
        for (int16_t value : row) {
            if (value == 0) return false;
        }
    }
    return true;
}
