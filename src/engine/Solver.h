#pragma once

#include "engine/Grid.h"

#include <optional>

// Completes a grid under a region layout, or says that no completion exists. A search
// that runs past a few tens of milliseconds, which only a crafted grid does, is given up
// on and answered as none.
std::optional<Grid> SolveGrid(const Grid& grid, const LayoutRows& layout);

// Number of completions, counting stops at limit or when the search runs out of time.
int CountSolutions(const Grid& grid, const LayoutRows& layout, int limit);
