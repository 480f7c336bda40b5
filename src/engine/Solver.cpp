#include "engine/Solver.h"

#include "engine/Candidates.h"

#include <array>
#include <bit>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Puzzles with a solution, even the hardest known, settle in well under a millisecond; a
// crafted grid that takes longer is given up on, so nothing can hold the game.
constexpr auto TimeBudget = std::chrono::milliseconds(20);
// A node costs far less than reading the clock, so it is read once every so many.
constexpr int NodesPerClockRead = 64;

// For every cell at once, whether at least one, two or three digits can still go there.
struct DigitCounts {
    CellSet one;
    CellSet two;
    CellSet three;
};

DigitCounts CountDigits(const Candidates& candidates) {
    DigitCounts counts;
    for (int digit = 1; digit <= 9; ++digit) {
        const CellSet places = candidates.Of(digit);
        counts.three |= counts.two & places;
        counts.two |= counts.one & places;
        counts.one |= places;
    }
    return counts;
}

// A position of the search, with where each digit could go when its houses were last
// looked at for hidden singles: a digit that has lost no place since has none to give.
struct Position {
    explicit Position(const Houses& houses) : candidates(houses) { lookedAt.fill(CellSet::All()); }

    Candidates candidates;
    std::array<CellSet, 9> lookedAt;
};

// Places naked singles over the whole board, then hidden singles house by house, until
// neither is left. False when the position turns out to have no completion.
bool PlaceSingles(Position& position) {
    Candidates& candidates = position.candidates;
    const Houses& houses = candidates.HouseTable();
    for (;;) {
        const DigitCounts counts = CountDigits(candidates);
        if (!candidates.Open().Without(counts.one).IsEmpty()) return false;
        const CellSet nakedSingles = candidates.Open().Without(counts.two);
        if (!nakedSingles.IsEmpty()) {
            for (int digit = 1; digit <= 9; ++digit) {
                // Two singles of one house may want the same digit: the second then fails.
                for (int cell : candidates.Of(digit) & nakedSingles) {
                    if (!candidates.Place(cell, digit)) return false;
                }
            }
            continue;
        }
        bool placed = false;
        for (int digit = 1; digit <= 9; ++digit) {
            CellSet& lookedAt = position.lookedAt[digit - 1];
            if (lookedAt == candidates.Of(digit)) continue;
            lookedAt = candidates.Of(digit);
            for (unsigned rest = candidates.HousesMissing(digit); rest != 0;) {
                const int house = std::countr_zero(rest);
                rest &= rest - 1;
                const CellSet places = candidates.Of(digit) & houses.Cells(house);
                if (places.IsEmpty()) return false;
                if (places.IsSingle()) {
                    candidates.Place(places.First(), digit);
                    rest &= candidates.HousesMissing(digit);
                    placed = true;
                }
            }
        }
        if (!placed) return true;
    }
}

// The open cell with the fewest digits left, where a guess is most likely right.
int ChooseCell(const Candidates& candidates) {
    const DigitCounts counts = CountDigits(candidates);
    const CellSet pairs = candidates.Open().Without(counts.three);
    if (!pairs.IsEmpty()) return pairs.First();
    int best = -1;
    int fewest = 10;
    for (int cell : candidates.Open()) {
        const int count = std::popcount(candidates.DigitsAt(cell));
        if (count < fewest) {
            best = cell;
            fewest = count;
        }
    }
    return best;
}

class Search {
public:
    explicit Search(int limit) : limit(limit), deadline(Clock::now() + TimeBudget) {}

    void Explore(Position position) {
        if (found >= limit || OutOfTime() || !PlaceSingles(position)) return;
        const Candidates& candidates = position.candidates;
        if (candidates.Open().IsEmpty()) {
            if (found++ == 0) first = candidates.ToGrid();
            return;
        }
        const int cell = ChooseCell(candidates);
        for (unsigned digits = candidates.DigitsAt(cell); digits != 0; digits &= digits - 1) {
            Position guess = position;
            guess.candidates.Place(cell, std::countr_zero(digits) + 1);
            Explore(guess);
        }
    }

    int found = 0;
    std::optional<Grid> first;

private:
    bool OutOfTime() {
        if (--nodesBeforeClockRead > 0) return outOfTime;
        nodesBeforeClockRead = NodesPerClockRead;
        outOfTime = Clock::now() >= deadline;
        return outOfTime;
    }

    int limit;
    Clock::time_point deadline;
    int nodesBeforeClockRead = NodesPerClockRead;
    bool outOfTime = false;
};

Search Run(const Grid& grid, const LayoutRows& layout, int limit) {
    Search search(limit);
    const std::optional<Houses> houses = Houses::Read(layout);
    if (!houses) return search;
    Position position(*houses);
    if (position.candidates.Read(grid)) search.Explore(position);
    return search;
}

} // namespace

std::optional<Grid> SolveGrid(const Grid& grid, const LayoutRows& layout) {
    return Run(grid, layout, 1).first;
}

int CountSolutions(const Grid& grid, const LayoutRows& layout, int limit) {
    return Run(grid, layout, limit).found;
}
