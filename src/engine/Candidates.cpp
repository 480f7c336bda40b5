#include "engine/Candidates.h"

Candidates::Candidates(const Houses& houses) : houses(&houses) {
    places.fill(CellSet::All());
    missing.fill((1u << Houses::Count) - 1);
}

bool Candidates::Read(const Grid& grid) {
    for (int cell = 0; cell < 81; ++cell) {
        const int value = CellOf(grid, cell);
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

DigitSet Candidates::DigitsAt(int cell) const {
    const CellSet only = CellSet::Of(cell);
    DigitSet digits = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        if (!(places[digit - 1] & only).IsEmpty()) digits |= DigitBit(digit);
    }
    return digits;
}

Grid Candidates::ToGrid() const {
    Grid grid{};
    for (int cell = 0; cell < 81; ++cell)
        CellOf(grid, cell) = digits[cell];
    return grid;
}
