#pragma once

#include "engine/Grid.h"

#include <optional>

// Completes a grid under a region layout, or says that no completion exists.
std::optional<Grid> SolveGrid(const Grid& grid, const LayoutRows& layout);

// Number of completions, counting stops at limit.
int CountSolutions(const Grid& grid, const LayoutRows& layout, int limit);
