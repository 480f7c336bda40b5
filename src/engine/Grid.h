#pragma once

#include <array>
#include <cstdint>
#include <string>

// A 9x9 board indexed [row][column]; 0 is an empty cell, 1..9 a digit.
using Grid = std::array<std::array<int16_t, 9>, 9>;

// The cell with index 9 * row + column.
inline int16_t& CellOf(Grid& grid, int cell) { return grid[cell / 9][cell % 9]; }
inline int CellOf(const Grid& grid, int cell) { return grid[cell / 9][cell % 9]; }

// Nine rows of nine region digits '1'..'9'.
using LayoutRows = std::array<std::string, 9>;

struct CellPos {
    uint8_t column = 0;
    uint8_t row = 0;
};

// For each region (number - 1) its nine cells in reading order.
using RegionCellTable = std::array<std::array<CellPos, 9>, 9>;
