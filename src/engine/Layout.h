#pragma once

#include "engine/Grid.h"

#include <cstdint>

// The built-in Nonomino templates (1..5) and the regular layout.
extern const LayoutRows RegularLayout;

// Template n = 1..4, any other value template 5.
void LoadTemplate(int16_t n);

// The regions of a puzzle type: the 3x3 boxes for 0, otherwise its template.
const LayoutRows& LayoutOf(int16_t puzzleType);

// Makes RegionLayout match PuzzleType and rebuilds RegionCells. With keep == 0 a
// Nonomino game draws its template at random.
void BuildLayout(int16_t keep);

int16_t GetRegion(int column, int row);
CellPos GetRegionCell(int column, int row, int k);
int16_t GetIndexInRegion(int column, int row);

// RegionCells for any layout, in reading order per region.
RegionCellTable ComputeRegionCells(const LayoutRows& layout);
