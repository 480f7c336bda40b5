#pragma once

#include <array>
#include <cstdint>
#include <string>

// A 9x9 board indexed [row][column]; 0 is an empty cell, 1..9 a digit.
using Grid = std::array<std::array<int16_t, 9>, 9>;

// Nine rows of nine region digits '1'..'9'.
using LayoutRows = std::array<std::string, 9>;

struct CellPos {
    uint8_t column = 0;
    uint8_t row = 0;
};

// For each region (number - 1) its nine cells in reading order.
using RegionCellTable = std::array<std::array<CellPos, 9>, 9>;
