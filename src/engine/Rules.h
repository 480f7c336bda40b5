#pragma once

#include "engine/Grid.h"

#include <cstdint>

// Bit d - 1 stands for digit d.
using DigitSet = uint16_t;
inline constexpr DigitSet AllDigits = 0x1FF;
inline DigitSet DigitBit(int digit) { return static_cast<DigitSet>(1u << (digit - 1)); }

// The region of a cell, 0..8.
inline int RegionOf(const LayoutRows& layout, int cell) { return layout[cell / 9][cell % 9] - '1'; }

// True for two different cells in one row, column or region.
bool AreNeighbours(const LayoutRows& layout, int a, int b);

// The first other cell that holds digit: the row is scanned first, then the column, then
// the region, each in reading order; -1 when there is none.
int FindClash(const Grid& grid, const LayoutRows& layout, int cell, int digit);

// The digits no neighbour of the cell holds.
DigitSet AllowedDigits(const Grid& grid, const LayoutRows& layout, int cell);

bool IsFull(const Grid& grid);

// True when some digit stands twice in a row, a column or a region of the layout.
bool HasClash(const Grid& grid, const LayoutRows& layout);
