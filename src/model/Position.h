#pragma once

#include "engine/Grid.h"
#include "engine/Rules.h"

#include <array>

// What the board holds at one moment of a game: every digit, given or entered, and the
// player's pencil marks.
struct Position {
    Grid digits{};
    std::array<DigitSet, 81> marks{};

    int Digit(int cell) const { return CellOf(digits, cell); }

    friend bool operator==(const Position&, const Position&) = default;
};
