#pragma once

#include "engine/Grid.h"

#include <cstdint>

// Stores num (0 empties) unless the digit stands elsewhere in the cell's row, column or
// region; then clash receives that cell's index and nothing is stored.
bool TryPlaceDigit(int16_t cellIndex, int16_t num, int16_t& clash);

bool IsDigitAllowed(int16_t cellIndex, int16_t num);

// True when no cell of CurrentGrid is empty.
bool IsGridFull();

// True when some digit stands twice in a row, a column or a region of the layout.
bool HasClash(const Grid& grid, const LayoutRows& layout);
