#pragma once

// One thing the player does to the position. A hint is an entry whose digit the game
// chose; filling candidates sets the marks of every empty cell at once.
struct Move {
    enum class Kind { Enter, Erase, Mark, Hint, FillCandidates };

    Kind kind = Kind::Enter;
    int cell = -1;
    int digit = 0;
};
