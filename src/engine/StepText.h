#pragma once

#include "engine/LogicStep.h"

#include <string>

// Lines for the one-line panel that shows a step, in the game's words: rows, columns and
// digits counted from 1 as the player sees them, the region being the one marked on the
// board. None is longer than 78 characters.

// "Hidden pair", "X-Wing" ...
std::string TechniqueName(Technique technique);

// Why the digit goes in its cell, leaving aside the eliminations it needed.
std::string DescribePlacement(const LogicStep& step);

std::string DescribeElimination(const Elimination& elimination);

// The step in one line: its placement when it needs no elimination, otherwise the hardest
// elimination it needs (the last of the hardest), which is what a player has to see.
std::string DescribeStep(const LogicStep& step);
