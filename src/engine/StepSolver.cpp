#include "engine/StepSolver.h"

#include "engine/Candidates.h"
#include "engine/Rules.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Regions come first: a player looks for a digit's place in a region before a line.
constexpr std::array<int, Houses::Count> HouseOrder{18, 19, 20, 21, 22, 23, 24, 25, 26,
                                                    0,  1,  2,  3,  4,  5,  6,  7,  8,
                                                    9,  10, 11, 12, 13, 14, 15, 16, 17};

House ToHouse(int house) {
    if (house < Houses::FirstColumn) return {HouseKind::Row, house};
    if (house < Houses::FirstRegion) return {HouseKind::Column, house - Houses::FirstColumn};
    return {HouseKind::Region, house - Houses::FirstRegion};
}

std::vector<int> DigitList(unsigned digits) {
    std::vector<int> list;
    for (; digits != 0; digits &= digits - 1)
        list.push_back(std::countr_zero(digits) + 1);
    return list;
}

// Digits that must be absent from every cell of a set.
struct Absence {
    CellSet cells;
    unsigned digits = 0;
};

// A pattern as found: what it is, what it needs of the candidates and what it rules out.
struct Pattern {
    Technique technique = Technique::Pointing;
    std::vector<int> houses;
    CellSet cells;
    unsigned digits = 0;
    Absence needs;
    Absence rulesOut;
};

// A digit that goes in a cell, and the house that says so (none for a naked single).
struct Placement {
    int cell = 0;
    int digit = 0;
    Technique technique = Technique::NakedSingle;
    int house = -1;
};

// Calls visit with each choice of size cells (or digits) out of a mask until it answers
// true.
template <typename Visit>
bool ForEachChoice(unsigned mask, int size, unsigned chosen, Visit visit) {
    if (size == 0) return visit(chosen);
    for (unsigned rest = mask; rest != 0; rest &= rest - 1) {
        const unsigned low = rest & (~rest + 1);
        if (ForEachChoice(rest & ~low, size - 1, chosen | low, visit)) return true;
    }
    return false;
}

class StepFinder {
public:
    explicit StepFinder(const Houses& houses) : houses(houses), candidates(houses) {
        for (auto& cell : clearedBy)
            cell.fill(-1);
    }

    std::optional<LogicStep> Find(const Grid& grid) {
        if (!candidates.Read(grid)) return std::nullopt;
        for (;;) {
            if (!Consistent()) return std::nullopt;
            if (const std::optional<Placement> placement = FindSingle()) return Explain(*placement);
            if (!FindLockedCandidates() && !FindNakedSubset(2) && !FindHiddenSubset(2) &&
                !FindNakedSubset(3) && !FindHiddenSubset(3) && !FindXWing())
                return std::nullopt;
        }
    }

private:
    // Every open cell can take a digit and every house has a place for each digit it lacks.
    bool Consistent() const {
        CellSet covered;
        for (int digit = 1; digit <= 9; ++digit) {
            covered |= candidates.Of(digit);
            for (unsigned rest = candidates.HousesMissing(digit); rest != 0; rest &= rest - 1) {
                if ((candidates.Of(digit) & houses.Cells(std::countr_zero(rest))).IsEmpty())
                    return false;
            }
        }
        return candidates.Open().Without(covered).IsEmpty();
    }

    std::optional<Placement> FindSingle() const {
        for (int house : HouseOrder) {
            const CellSet open = candidates.Open() & houses.Cells(house);
            if (!open.IsSingle()) continue;
            for (int digit = 1; digit <= 9; ++digit) {
                if (candidates.HousesMissing(digit) >> house & 1)
                    return Placement{open.First(), digit, Technique::FullHouse, house};
            }
        }
        for (int house : HouseOrder) {
            for (int digit = 1; digit <= 9; ++digit) {
                const CellSet places = candidates.Of(digit) & houses.Cells(house);
                if (places.IsSingle())
                    return Placement{places.First(), digit, Technique::HiddenSingle, house};
            }
        }
        for (int cell : candidates.Open()) {
            const DigitSet digits = candidates.DigitsAt(cell);
            if (std::popcount(digits) == 1) return Placement{cell, std::countr_zero(digits) + 1};
        }
        return std::nullopt;
    }

    // Rules out what the pattern rules out; false, and nothing kept, when that is nothing.
    bool Apply(Pattern pattern) {
        bool any = false;
        const int index = static_cast<int>(patterns.size());
        for (int digit : DigitList(pattern.rulesOut.digits)) {
            for (int cell : candidates.Of(digit) & pattern.rulesOut.cells) {
                candidates.Remove(cell, digit);
                clearedBy[cell][digit - 1] = index;
                any = true;
            }
        }
        if (any) patterns.push_back(std::move(pattern));
        return any;
    }

    bool FindLockedCandidates() {
        for (int region = Houses::FirstRegion; region < Houses::Count; ++region) {
            for (int digit = 1; digit <= 9; ++digit) {
                const CellSet places = candidates.Of(digit) & houses.Cells(region);
                if (places.IsEmpty()) continue;
                const int first = places.First();
                for (int line : {Houses::Row(first), Houses::FirstColumn + Houses::Column(first)}) {
                    if (LockedIn(Technique::Pointing, region, line, digit)) return true;
                }
            }
        }
        for (int line = 0; line < Houses::FirstRegion; ++line) {
            for (int digit = 1; digit <= 9; ++digit) {
                const CellSet places = candidates.Of(digit) & houses.Cells(line);
                if (places.IsEmpty()) continue;
                const int region = Houses::FirstRegion + houses.Region(places.First());
                if (LockedIn(Technique::Claiming, line, region, digit)) return true;
            }
        }
        return false;
    }

    // When the digit's places in one house all lie in another, the digit can go nowhere
    // else in that other house.
    bool LockedIn(Technique technique, int house, int other, int digit) {
        const CellSet places = candidates.Of(digit) & houses.Cells(house);
        if (!places.Without(houses.Cells(other)).IsEmpty()) return false;
        const CellSet inside = houses.Cells(house);
        const CellSet outside = houses.Cells(other).Without(inside);
        return Apply({technique,
                      {house, other},
                      places,
                      DigitBit(digit),
                      {inside.Without(houses.Cells(other)), DigitBit(digit)},
                      {outside, DigitBit(digit)}});
    }

    // size cells of a house that between them can take only size digits: those digits
    // go nowhere else in the house.
    bool FindNakedSubset(int size) {
        const Technique technique = size == 2 ? Technique::NakedPair : Technique::NakedTriple;
        for (int house : HouseOrder) {
            std::array<int, 9> cells{};
            std::array<DigitSet, 9> digits{};
            int count = 0;
            unsigned eligible = 0;
            for (int cell : candidates.Open() & houses.Cells(house)) {
                cells[count] = cell;
                digits[count] = candidates.DigitsAt(cell);
                if (std::popcount(digits[count]) <= size) eligible |= 1u << count;
                ++count;
            }
            if (count <= size) continue;
            const bool found = ForEachChoice(eligible, size, 0, [&](unsigned chosen) {
                CellSet subset;
                unsigned together = 0;
                for (int i = 0; i < count; ++i) {
                    if (!(chosen >> i & 1)) continue;
                    subset.Add(cells[i]);
                    together |= digits[i];
                }
                if (std::popcount(together) != size) return false;
                return Apply({technique,
                              {house},
                              subset,
                              together,
                              {subset, AllDigits & ~together},
                              {houses.Cells(house).Without(subset), together}});
            });
            if (found) return true;
        }
        return false;
    }

    // size digits that between them can go only in size cells of a house: those cells
    // take nothing else.
    bool FindHiddenSubset(int size) {
        const Technique technique = size == 2 ? Technique::HiddenPair : Technique::HiddenTriple;
        for (int house : HouseOrder) {
            unsigned eligible = 0;
            unsigned lacking = 0;
            for (int digit = 1; digit <= 9; ++digit) {
                if (!(candidates.HousesMissing(digit) >> house & 1)) continue;
                lacking |= DigitBit(digit);
                if ((candidates.Of(digit) & houses.Cells(house)).Count() <= size)
                    eligible |= DigitBit(digit);
            }
            if (std::popcount(lacking) <= size) continue;
            const bool found = ForEachChoice(eligible, size, 0, [&](unsigned chosen) {
                CellSet subset;
                for (int digit : DigitList(chosen))
                    subset |= candidates.Of(digit) & houses.Cells(house);
                if (subset.Count() != size) return false;
                return Apply({technique,
                              {house},
                              subset,
                              chosen,
                              {houses.Cells(house).Without(subset), chosen},
                              {subset, AllDigits & ~chosen}});
            });
            if (found) return true;
        }
        return false;
    }

    // Two rows whose places for a digit lie in the same two columns: one of each column's
    // two crossings holds it, so the rest of both columns cannot. The same with rows and
    // columns exchanged.
    bool FindXWing() {
        for (int digit = 1; digit <= 9; ++digit) {
            for (int base : {0, Houses::FirstColumn}) {
                const int cover = Houses::FirstColumn - base;
                std::array<unsigned, 9>
                    crossings{}; // per base line, bit i: its cell on cover line i
                for (int line = 0; line < 9; ++line) {
                    for (int cell : candidates.Of(digit) & houses.Cells(base + line))
                        crossings[line] |=
                            1u << (base == 0 ? Houses::Column(cell) : Houses::Row(cell));
                }
                for (int first = 0; first < 9; ++first) {
                    if (std::popcount(crossings[first]) != 2) continue;
                    for (int second = first + 1; second < 9; ++second) {
                        if (crossings[second] != crossings[first]) continue;
                        if (XWing(digit, base + first, base + second, crossings[first], cover))
                            return true;
                    }
                }
            }
        }
        return false;
    }

    bool XWing(int digit, int firstBase, int secondBase, unsigned crossings, int cover) {
        const int firstCover = cover + std::countr_zero(crossings);
        const int secondCover = cover + static_cast<int>(std::bit_width(crossings)) - 1;
        const CellSet bases = houses.Cells(firstBase) | houses.Cells(secondBase);
        const CellSet covers = houses.Cells(firstCover) | houses.Cells(secondCover);
        return Apply({Technique::XWing,
                      {firstBase, secondBase, firstCover, secondCover},
                      candidates.Of(digit) & bases & covers,
                      DigitBit(digit),
                      {bases.Without(covers), DigitBit(digit)},
                      {covers.Without(bases), DigitBit(digit)}});
    }

    // Keeps, of the eliminations made, those the placement needs, directly or through
    // an elimination it needs, and of each only the digits that are needed.
    LogicStep Explain(const Placement& placement) const {
        LogicStep step{placement.cell, placement.digit, placement.technique, {}, {}};
        Absence placementNeeds;
        if (placement.technique == Technique::NakedSingle) {
            for (unsigned rest = houses.Holding(placement.cell); rest != 0; rest &= rest - 1)
                step.houses.push_back(ToHouse(std::countr_zero(rest)));
            placementNeeds = {CellSet::Of(placement.cell),
                              static_cast<unsigned>(AllDigits & ~DigitBit(placement.digit))};
        } else {
            step.houses.push_back(ToHouse(placement.house));
            if (placement.technique == Technique::HiddenSingle)
                placementNeeds = {
                    houses.Cells(placement.house).Without(CellSet::Of(placement.cell)),
                    DigitBit(placement.digit)};
        }
        std::vector<std::vector<CellDigit>> needed(patterns.size());
        std::array<std::array<bool, 9>, 81> traced{};
        std::vector<Absence> toTrace{placementNeeds};
        while (!toTrace.empty()) {
            const Absence absence = toTrace.back();
            toTrace.pop_back();
            for (int cell : absence.cells) {
                for (int digit : DigitList(absence.digits)) {
                    const int index = clearedBy[cell][digit - 1];
                    if (index < 0 || traced[cell][digit - 1]) continue;
                    traced[cell][digit - 1] = true;
                    if (needed[index].empty()) toTrace.push_back(patterns[index].needs);
                    needed[index].push_back({cell, digit});
                }
            }
        }
        for (size_t i = 0; i < patterns.size(); ++i) {
            if (needed[i].empty()) continue;
            const Pattern& pattern = patterns[i];
            Elimination elimination{
                pattern.technique, {}, {}, DigitList(pattern.digits), needed[i]};
            for (int house : pattern.houses)
                elimination.houses.push_back(ToHouse(house));
            for (int cell : pattern.cells)
                elimination.cells.push_back(cell);
            std::sort(elimination.cleared.begin(), elimination.cleared.end(),
                      [](CellDigit a, CellDigit b) {
                          return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
                      });
            step.eliminations.push_back(std::move(elimination));
        }
        return step;
    }

    const Houses& houses;
    Candidates candidates;
    std::vector<Pattern> patterns;
    // For each cell and digit, the pattern that ruled the digit out there first.
    std::array<std::array<int, 9>, 81> clearedBy{};
};

} // namespace

std::optional<LogicStep> FindNextStep(const Grid& grid, const Houses& houses) {
    return StepFinder(houses).Find(grid);
}

std::optional<LogicStep> FindNextStep(const Grid& grid, const LayoutRows& layout) {
    const std::optional<Houses> houses = Houses::Read(layout);
    if (!houses) return std::nullopt;
    return FindNextStep(grid, *houses);
}
