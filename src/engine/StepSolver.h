#pragma once

#include "engine/Grid.h"
#include "engine/Houses.h"
#include "engine/LogicStep.h"

#include <optional>

// The simplest step that places a digit in the grid, as a player would find it: a single
// if there is one, otherwise the simplest eliminations that lead to one. Candidates come
// from the grid's digits alone, so each call stands on its own. Nothing when the grid is
// full, breaks the rules, is left with a cell or a house that nothing fits, or needs more
// than the techniques know.
std::optional<LogicStep> FindNextStep(const Grid& grid, const LayoutRows& layout);
std::optional<LogicStep> FindNextStep(const Grid& grid, const Houses& houses);
