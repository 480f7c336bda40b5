#include "model/Moves.h"

namespace {

MoveOutcome Changed(const Position& before, const Position& after) {
    if (after == before) return {};
    return {after, -1};
}

MoveOutcome Enter(const Puzzle& puzzle, const Position& before, int cell, int digit) {
    const int clash = FindClash(before.digits, puzzle.layout, cell, digit);
    if (clash != -1) return {std::nullopt, clash};
    Position after = before;
    CellOf(after.digits, cell) = static_cast<int16_t>(digit);
    after.marks[cell] = 0;
    for (int other = 0; other < 81; ++other) {
        if (AreNeighbours(puzzle.layout, cell, other))
            after.marks[other] &= static_cast<DigitSet>(~DigitBit(digit));
    }
    return Changed(before, after);
}

MoveOutcome FillCandidates(const Puzzle& puzzle, const Position& before) {
    Position after = before;
    for (int cell = 0; cell < 81; ++cell) {
        if (before.Digit(cell) == 0)
            after.marks[cell] = AllowedDigits(before.digits, puzzle.layout, cell);
    }
    return Changed(before, after);
}

} // namespace

MoveOutcome ApplyMove(const Puzzle& puzzle, const Position& before, const Move& move) {
    if (move.kind == Move::Kind::FillCandidates) return FillCandidates(puzzle, before);
    if (move.cell < 0 || move.cell > 80 || puzzle.IsGiven(move.cell)) return {};
    const bool digitInRange = move.digit >= 1 && move.digit <= 9;
    Position after = before;
    switch (move.kind) {
    case Move::Kind::Enter:
    case Move::Kind::Hint:
        if (!digitInRange) return {};
        return Enter(puzzle, before, move.cell, move.digit);
    case Move::Kind::Erase:
        CellOf(after.digits, move.cell) = 0;
        after.marks[move.cell] = 0;
        return Changed(before, after);
    case Move::Kind::Mark:
        if (!digitInRange || before.Digit(move.cell) != 0) return {};
        after.marks[move.cell] ^= DigitBit(move.digit);
        return Changed(before, after);
    case Move::Kind::FillCandidates: break;
    }
    return {};
}
