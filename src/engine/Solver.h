#pragma once

#include "engine/Grid.h"

#include <optional>

// Completes a grid under a region layout, or says that no completion exists (or none was
// found within a bounded search, which no puzzle the game deals comes near).
std::optional<Grid> SolveGrid(const Grid& grid, const LayoutRows& layout);

// Number of completions, counting stops at limit or when the search budget runs out.
int CountSolutions(const Grid& grid, const LayoutRows& layout, int limit);
