#pragma once

#include "model/Move.h"
#include "model/Position.h"
#include "model/Puzzle.h"

#include <optional>

// What a move does to a position: the position after it, or nothing when the move is
// refused or changes nothing. A refused entry names the cell that holds its digit.
struct MoveOutcome {
    std::optional<Position> after;
    int clash = -1;
};

// The rules of play, as a pure function:
// - givens never change;
// - an entry is refused while its digit stands in a neighbour; when it lands, the cell's
//   marks go, and so do the marks of that digit in every neighbour;
// - erasing clears the cell's entry and marks;
// - a mark toggles one digit among an empty cell's marks; a cell with an entry takes none;
// - filling candidates gives every empty cell the digits no neighbour holds.
MoveOutcome ApplyMove(const Puzzle& puzzle, const Position& before, const Move& move);
