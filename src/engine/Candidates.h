#pragma once

#include "engine/CellSet.h"
#include "engine/Grid.h"
#include "engine/Houses.h"
#include "engine/Rules.h"

#include <array>
#include <cstdint>

// Where each digit 1..9 can still go, kept digit by digit as a set of cells so that a
// single is found with a few operations over a whole house rather than cell by cell.
// The houses must outlive it.
class Candidates {
public:
    explicit Candidates(const Houses& houses);

    // Places the grid's digits. False when a value is not 0..9 or a digit stands twice in
    // a house.
    bool Read(const Grid& grid);
    // Writes the digit and takes it from the cell's peers. False when the digit could no
    // longer go there.
    bool Place(int cell, int digit);
    void Remove(int cell, int digit) { places[digit - 1].Remove(cell); }

    const Houses& HouseTable() const { return *houses; }
    CellSet Of(int digit) const { return places[digit - 1]; }
    CellSet Open() const { return open; }
    // Bit h is set for each house h that does not hold the digit yet.
    unsigned HousesMissing(int digit) const { return missing[digit - 1]; }
    // The digits that can still go in the cell.
    DigitSet DigitsAt(int cell) const;
    Grid ToGrid() const;

private:
    const Houses* houses;
    std::array<CellSet, 9> places;
    CellSet open = CellSet::All();
    std::array<unsigned, 9> missing;
    std::array<int8_t, 81> digits{};
};
