#include "engine/Candidates.h"

Candidates::Candidates(const Houses& houses) : houses(&houses) {
    places.fill(CellSet::All());
    missing.fill((uint32_t{1} << Houses::Count) - 1);
}

bool Candidates::Read(const Grid& grid) {
    for (int cell = 0; cell < 81; ++cell) {
        const int value = grid[cell / 9][cell % 9];
        if (value != 0 && (value < 1 || value > 9 || !Place(cell, value))) return false;
    }
    return true;
}

bool Candidates::Place(int cell, int digit) {
    CellSet& place = places[digit - 1];
    if (!place.Contains(cell)) return false;
    place = place.Without(houses->Reach(cell));
    const CellSet taken = CellSet::Of(cell);
    for (CellSet& other : places)
        other = other.Without(taken);
    open = open.Without(taken);
    missing[digit - 1] &= ~houses->Holding(cell);
    digits[cell] = static_cast<int8_t>(digit);
    return true;
}

int Candidates::DigitsAt(int cell) const {
    const CellSet only = CellSet::Of(cell);
    int mask = 0;
    for (int d = 0; d < 9; ++d) {
        if (!(places[d] & only).IsEmpty()) mask |= 1 << d;
    }
    return mask;
}

Grid Candidates::ToGrid() const {
    Grid grid{};
    for (int cell = 0; cell < 81; ++cell)
        grid[cell / 9][cell % 9] = digits[cell];
    return grid;
}
