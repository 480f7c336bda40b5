#pragma once

#include "persist/SavedGameFile.h"

#include <initializer_list>

// A known regular solution: each row is the one above shifted by three, or by one at a
// band's end.
inline int SolvedDigit(int r, int c) { return ((r % 3) * 3 + r / 3 + c) % 9 + 1; }

// A saved game of that solution at its start: every cell given but the holes.
inline SavedGame SampleGame(SavedGame::Kind kind, std::initializer_list<int> holes) {
    SavedGame game;
    game.kind = kind;
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c)
            game.given[r][c] = static_cast<int16_t>(SolvedDigit(r, c));
    for (int i : holes)
        game.given[i / 9][i % 9] = 0;
    game.current = game.given;
    return game;
}
