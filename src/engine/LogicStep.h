#pragma once

#include <vector>

// The techniques a player uses, simplest first. The first three place a digit; the others
// only rule digits out of cells.
enum class Technique {
    FullHouse,    // the last empty cell of a row, column or region
    HiddenSingle, // the only cell of a house where a digit can go
    NakedSingle,  // the only digit a cell can take
    Pointing,     // a region's places for a digit lie on one row or column
    Claiming,     // a row's or column's places for a digit lie in one region
    NakedPair,    // two cells of a house that can take only the same two digits
    HiddenPair,   // two digits that can go only in the same two cells of a house
    NakedTriple,
    HiddenTriple,
    XWing, // two rows whose places for a digit lie in the same two columns, or the reverse
};

enum class HouseKind { Row, Column, Region };

struct House {
    HouseKind kind = HouseKind::Row;
    int index = 0; // 0-based: the row, the column, or the region number less one

    bool operator==(const House&) const = default;
};

// A digit 1..9 in a cell (9 * row + column).
struct CellDigit {
    int cell = 0;
    int digit = 0;

    bool operator==(const CellDigit&) const = default;
};

// Digits ruled out of cells by one pattern.
struct Elimination {
    Technique technique = Technique::Pointing;
    std::vector<House> houses; // the houses the pattern lies in, base before cover
    std::vector<int> cells;    // the pattern's cells, in increasing order
    std::vector<int> digits;   // the pattern's digits, in increasing order
    // Only the digits the step goes on to need, by cell; the pattern may rule out more.
    std::vector<CellDigit> cleared;
};

// One digit placed, and why. Each elimination may rely on the ones before it, and the
// placement relies on all of them; none that the placement does not need is listed.
struct LogicStep {
    int cell = 0;
    int digit = 0;
    Technique technique = Technique::NakedSingle; // FullHouse, HiddenSingle or NakedSingle
    // A full house or hidden single: its house. A naked single: the cell's row, column
    // and region, whose digits leave it one.
    std::vector<House> houses;
    std::vector<Elimination> eliminations;
};
