#include "engine/Solver.h"

#include <array>
#include <bit>
#include <cstdint>

namespace {

constexpr uint16_t AllDigits = 0x1FF; // bit d - 1 stands for digit d

uint16_t Bit(int digit) { return static_cast<uint16_t>(1u << (digit - 1)); }

using Unit = std::array<uint8_t, 9>;

// Where a region meets a row or column: when a digit's places in one of the two lie
// inside the meeting cells, the digit can go nowhere else in the other.
struct Crossing {
    uint8_t region = 0;
    uint8_t line = 0; // unit index of the row or column
};

// The rows, columns and regions of one layout (units 0..8, 9..17, 18..26).
struct Units {
    std::array<uint8_t, 81> regionOf{};
    std::array<Unit, 27> cells{};
    std::array<std::array<uint8_t, 24>, 81> peers{}; // at most 8 each from row, column, region
    std::array<uint8_t, 81> peerCount{};
    std::array<Crossing, 9 * 18> crossings{};
    int crossingCount = 0;
};

struct Board {
    Grid grid{};
    std::array<uint16_t, 81> candidates{}; // 0 once the cell holds a digit
};

// Every puzzle the game deals is settled in a few hundred steps; a crafted one that needs
// more than this is given up on, so nothing can hold the game for long.
constexpr long StepBudget = 200000;

struct Search {
    Units units;
    int limit = 1;
    int found = 0;
    long stepsLeft = StepBudget;
    std::optional<Grid> first;
};

int RowUnit(int cell) { return cell / 9; }
int ColumnUnit(int cell) { return 9 + cell % 9; }

void LinkUnits(Units& units) {
    for (int cell = 0; cell < 81; ++cell) {
        std::array<bool, 81> listed{};
        listed[cell] = true;
        for (int unit : {RowUnit(cell), ColumnUnit(cell), 18 + units.regionOf[cell]}) {
            for (uint8_t other : units.cells[unit]) {
                if (!listed[other]) units.peers[cell][units.peerCount[cell]++] = other;
                listed[other] = true;
            }
        }
    }
    for (int region = 0; region < 9; ++region) {
        std::array<bool, 18> meets{};
        for (uint8_t cell : units.cells[18 + region]) {
            meets[RowUnit(cell)] = true;
            meets[ColumnUnit(cell)] = true;
        }
        for (int line = 0; line < 18; ++line) {
            if (meets[line])
                units.crossings[units.crossingCount++] = {static_cast<uint8_t>(region),
                                                          static_cast<uint8_t>(line)};
        }
    }
}

// Nine rows of nine region digits with nine cells in every region.
bool ReadLayout(const LayoutRows& layout, Units& units) {
    std::array<int, 9> sizes{};
    for (int r = 0; r < 9; ++r) {
        if (layout[r].size() != 9) return false;
        for (int c = 0; c < 9; ++c) {
            const int region = layout[r][c] - '1';
            if (region < 0 || region > 8 || sizes[region] == 9) return false;
            const auto cell = static_cast<uint8_t>(9 * r + c);
            units.regionOf[cell] = static_cast<uint8_t>(region);
            units.cells[r][c] = cell;
            units.cells[9 + c][r] = cell;
            units.cells[18 + region][sizes[region]++] = cell;
        }
    }
    LinkUnits(units);
    return true;
}

// False when the digit is no longer possible in the cell.
bool Place(Board& board, const Units& units, int cell, int digit) {
    const uint16_t bit = Bit(digit);
    if ((board.candidates[cell] & bit) == 0) return false;
    board.grid[cell / 9][cell % 9] = static_cast<int16_t>(digit);
    board.candidates[cell] = 0;
    for (int i = 0; i < units.peerCount[cell]; ++i)
        board.candidates[units.peers[cell][i]] &= static_cast<uint16_t>(~bit);
    return true;
}

bool ReadGrid(const Grid& grid, const Units& units, Board& board) {
    board.candidates.fill(AllDigits);
    for (int cell = 0; cell < 81; ++cell) {
        const int value = grid[cell / 9][cell % 9];
        if (value != 0 && (value < 1 || value > 9 || !Place(board, units, cell, value)))
            return false;
    }
    return true;
}

bool IsOpen(const Board& board, int cell) { return board.grid[cell / 9][cell % 9] == 0; }

// Places every digit that has one place left in a unit. False on a contradiction.
bool FillHiddenSingles(Board& board, const Units& units, bool& changed) {
    for (const Unit& unit : units.cells) {
        uint16_t once = 0;
        uint16_t twice = 0;
        uint16_t placed = 0;
        for (uint8_t cell : unit) {
            if (!IsOpen(board, cell)) {
                placed |= Bit(board.grid[cell / 9][cell % 9]);
                continue;
            }
            twice |= once & board.candidates[cell];
            once |= board.candidates[cell];
        }
        const auto missing = static_cast<uint16_t>(AllDigits & ~placed);
        if ((once & missing) != missing) return false;
        for (uint16_t singles = once & ~twice; singles != 0; singles &= singles - 1) {
            const int digit = std::countr_zero(singles) + 1;
            int target = -1;
            for (uint8_t cell : unit) {
                if (board.candidates[cell] & Bit(digit)) target = cell;
            }
            if (target == -1 || !Place(board, units, target, digit)) return false;
            changed = true;
        }
    }
    return true;
}

bool OnLine(int cell, int line) { return RowUnit(cell) == line || ColumnUnit(cell) == line; }

void Strip(Board& board, int cell, uint16_t digits, bool& changed) {
    if (board.candidates[cell] & digits) {
        board.candidates[cell] &= static_cast<uint16_t>(~digits);
        changed = true;
    }
}

// A digit whose places in a region all lie on one row or column can go nowhere else on
// that line, and the other way round.
void RemoveLockedCandidates(Board& board, const Units& units, bool& changed) {
    for (int i = 0; i < units.crossingCount; ++i) {
        const Crossing& crossing = units.crossings[i];
        const Unit& line = units.cells[crossing.line];
        const Unit& region = units.cells[18 + crossing.region];
        uint16_t shared = 0;
        uint16_t lineOnly = 0;
        uint16_t regionOnly = 0;
        for (uint8_t cell : line)
            (units.regionOf[cell] == crossing.region ? shared : lineOnly) |= board.candidates[cell];
        for (uint8_t cell : region) {
            if (!OnLine(cell, crossing.line)) regionOnly |= board.candidates[cell];
        }
        const auto lockedToLine = static_cast<uint16_t>(shared & ~regionOnly);
        const auto lockedToRegion = static_cast<uint16_t>(shared & ~lineOnly);
        for (uint8_t cell : line) {
            if (units.regionOf[cell] != crossing.region) Strip(board, cell, lockedToLine, changed);
        }
        for (uint8_t cell : region) {
            if (!OnLine(cell, crossing.line)) Strip(board, cell, lockedToRegion, changed);
        }
    }
}

// Fills forced cells until nothing changes, then returns the open cell with the fewest
// candidates (-1 when the board is full), or -2 on a contradiction.
int Settle(Board& board, const Units& units) {
    for (;;) {
        bool changed = false;
        int best = -1;
        int bestCount = 10;
        for (int cell = 0; cell < 81; ++cell) {
            if (!IsOpen(board, cell)) continue;
            const int count = std::popcount(board.candidates[cell]);
            if (count == 0) return -2;
            if (count == 1) {
                Place(board, units, cell, std::countr_zero(board.candidates[cell]) + 1);
                changed = true;
            } else if (count < bestCount) {
                best = cell;
                bestCount = count;
            }
        }
        if (!FillHiddenSingles(board, units, changed)) return -2;
        if (!changed) RemoveLockedCandidates(board, units, changed);
        if (!changed) return best;
    }
}

void Explore(Board board, Search& search) {
    if (--search.stepsLeft < 0) return;
    const int cell = Settle(board, search.units);
    if (cell == -2) return;
    if (cell == -1) {
        if (search.found++ == 0) search.first = board.grid;
        return;
    }
    for (uint16_t mask = board.candidates[cell]; mask != 0 && search.found < search.limit;
         mask &= mask - 1) {
        Board next = board;
        Place(next, search.units, cell, std::countr_zero(mask) + 1);
        Explore(next, search);
    }
}

Search Run(const Grid& grid, const LayoutRows& layout, int limit) {
    Search search;
    search.limit = limit;
    Board board;
    if (limit > 0 && ReadLayout(layout, search.units) && ReadGrid(grid, search.units, board))
        Explore(board, search);
    return search;
}

} // namespace

std::optional<Grid> SolveGrid(const Grid& grid, const LayoutRows& layout) {
    return Run(grid, layout, 1).first;
}

int CountSolutions(const Grid& grid, const LayoutRows& layout, int limit) {
    return Run(grid, layout, limit).found;
}
