#pragma once

#include <cstdint>

// Stores num (0 empties) unless the digit stands elsewhere in the cell's row, column or
// region; then clash receives that cell's index and nothing is stored.
bool TryPlaceDigit(int16_t cellIndex, int16_t num, int16_t& clash);

bool IsDigitAllowed(int16_t cellIndex, int16_t num);

// True when no cell of CurrentGrid is empty.
bool IsGridFull();
