#include "model/GameModel.h"

#include "engine/EngineState.h"
#include "engine/Solver.h"

namespace {

// A solution that contradicts a given (or is missing) cannot be shown.
bool FitsGivens(const Grid& solution, const Grid& givens) {
    for (int cell = 0; cell < 81; ++cell) {
        const int solved = CellOf(solution, cell);
        const int given = CellOf(givens, cell);
        if (solved == 0 || (given != 0 && given != solved)) return false;
    }
    return true;
}

Position StartOf(const Puzzle& puzzle) { return {puzzle.givens, {}}; }

} // namespace

GameModel::GameModel() : positions{Position{}} {}

GameModel::GameModel(const Puzzle& dealt, const Position& start, int hints)
    : puzzle(dealt), positions{start}, hintsLeft(hints) {
    if (FitsGivens(puzzle.solution, puzzle.givens)) return;
    puzzle.solution = SolveGrid(puzzle.givens, puzzle.layout).value_or(Grid{});
}

int GameModel::ClashFor(int cell, int digit) const {
    return FindClash(Now().digits, puzzle.layout, cell, digit);
}

MoveOutcome GameModel::Play(const Move& move) {
    if (!InPlay() || move.kind == Move::Kind::Hint) return {};
    MoveOutcome outcome = ApplyMove(puzzle, Now(), move);
    if (outcome.after) Record(move, *outcome.after);
    return outcome;
}

GameModel::HintOutcome GameModel::Hint(int cell) {
    if (!InPlay() || hintsLeft <= 0 || cell < 0 || cell > 80 || IsGiven(cell)) return {};
    const std::optional<Grid> completion = Completion();
    if (!completion) return {false, WrongEntry()};
    const Move move{Move::Kind::Hint, cell, CellOf(*completion, cell)};
    const MoveOutcome outcome = ApplyMove(puzzle, Now(), move);
    if (!outcome.after) return {};
    Record(move, *outcome.after);
    --hintsLeft;
    return {true, -1};
}

void GameModel::Record(const Move& move, const Position& after) {
    positions.resize(at + 1);
    moves.resize(at);
    positions.push_back(after);
    moves.push_back(move);
    ++at;
}

bool GameModel::Undo() {
    if (!CanUndo()) return false;
    --at;
    return true;
}

bool GameModel::Redo() {
    if (!CanRedo()) return false;
    ++at;
    return true;
}

void GameModel::Restart() {
    positions = {StartOf(puzzle)};
    moves.clear();
    at = 0;
    hintsLeft = HintsPerGame;
    givenUp = false;
}

void GameModel::GiveUp() {
    positions = {Now()};
    moves.clear();
    at = 0;
    givenUp = true;
}

std::optional<Grid> GameModel::Completion() const { return SolveGrid(Now().digits, puzzle.layout); }

bool GameModel::CompletesWithout(int cell) const {
    Grid without = Now().digits;
    CellOf(without, cell) = 0;
    return SolveGrid(without, puzzle.layout).has_value();
}

int GameModel::WrongEntry() const {
    if (Completion()) return -1;
    // The entries the list placed, latest first, that still stand as placed.
    std::vector<bool> tried(81, false);
    for (size_t i = at; i-- > 0;) {
        const Move& move = moves[i];
        if (move.kind != Move::Kind::Enter && move.kind != Move::Kind::Hint) continue;
        if (tried[move.cell] || Digit(move.cell) != move.digit) continue;
        tried[move.cell] = true;
        if (CompletesWithout(move.cell)) return move.cell;
    }
    for (int cell = 0; cell < 81; ++cell) {
        if (!tried[cell] && !IsGiven(cell) && Digit(cell) != 0 && CompletesWithout(cell))
            return cell;
    }
    return -1;
}

GameModel DealtGame() {
    const EngineState& dealt = Sudoku();
    return {{dealt.GivenGrid, dealt.RegionLayout, dealt.SolutionGrid}, {dealt.GivenGrid, {}}};
}
