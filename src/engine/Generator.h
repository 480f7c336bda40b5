#pragma once

#include <cstdint>

void PrepareNewPuzzle();
void BuildSolution();
void HideCells(int16_t level);

// Steps of the regular search, exposed for tests.
void FillRow(int16_t& row);
void CountFreeDigits(int row, int col);
int16_t PickRandomFreeDigit();
int16_t NextUntriedDigit(int row, int col);
