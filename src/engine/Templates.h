#pragma once

#include "engine/Grid.h"

#include <array>

// One built-in Nonomino board: its regions and a solution that fits them.
struct NonominoTemplate {
    LayoutRows layout;
    LayoutRows solution;
};

// Templates 1..5 at indexes 0..4.
const std::array<NonominoTemplate, 5>& NonominoTemplates();
