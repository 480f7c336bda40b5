#pragma once

#include "model/Move.h"
#include "model/Moves.h"
#include "model/Position.h"
#include "model/Puzzle.h"

#include <cstddef>
#include <optional>
#include <vector>

// The game in play: a puzzle, the position on the board and the list of moves that led
// there from where the game began. Undo and redo walk that list; a new move cuts off
// what could have been redone. Restart and giving up start the list again.
class GameModel {
public:
    static constexpr int HintsPerGame = 3;

    GameModel();
    // A game that begins at start, which holds the puzzle's givens (a loaded game may
    // hold entries and marks too, and have spent hints). A puzzle without a solution is
    // solved here.
    GameModel(const Puzzle& puzzle, const Position& start, int hintsLeft = HintsPerGame);

    const Puzzle& ThePuzzle() const { return puzzle; }
    const Position& Now() const { return positions[at]; }
    int Digit(int cell) const { return Now().Digit(cell); }
    DigitSet Marks(int cell) const { return Now().marks[cell]; }
    bool IsGiven(int cell) const { return puzzle.IsGiven(cell); }
    int HintsLeft() const { return hintsLeft; }
    bool GivenUp() const { return givenUp; }
    bool IsComplete() const { return IsFull(Now().digits); }
    // False once the game is over: complete or given up.
    bool InPlay() const { return !givenUp && !IsComplete(); }
    bool CanUndo() const { return InPlay() && at > 0; }
    bool CanRedo() const { return InPlay() && at + 1 < positions.size(); }
    // The cell whose digit a refused entry would repeat, or -1 when it may go in.
    int ClashFor(int cell, int digit) const;

    // Any move but a hint. Refused and empty moves leave the list as it was.
    MoveOutcome Play(const Move& move);

    struct HintOutcome {
        bool placed = false;
        // The entry that leaves the grid with no completion; the hint then places
        // nothing and is not spent.
        int wrongCell = -1;
    };
    // Places the digit that a completion of the board as it now stands puts in the cell,
    // so a player on any valid path gets a digit that fits it. Spends a hint only when
    // something is placed; an undone hint stays spent.
    HintOutcome Hint(int cell);

    bool Undo();
    bool Redo();
    // The dealt puzzle again, with every hint back and no history.
    void Restart();
    // Play ends where it stands; the player is shown the puzzle's solution.
    void GiveUp();

    // A completion of the current position, if one exists.
    std::optional<Grid> Completion() const;
    // When the board has no completion: the latest entry whose removal gives it one again,
    // or, among entries the list does not know (a loaded game), the first in reading order.
    // -1 when the board has a completion or no single entry is to blame.
    int WrongEntry() const;

private:
    void Record(const Move& move, const Position& after);
    bool CompletesWithout(int cell) const;

    Puzzle puzzle;
    std::vector<Position> positions;
    std::vector<Move> moves; // moves[i] leads from positions[i] to positions[i + 1]
    size_t at = 0;
    int hintsLeft = HintsPerGame;
    bool givenUp = false;
};

// The puzzle the engine dealt last, at its start.
GameModel DealtGame();
