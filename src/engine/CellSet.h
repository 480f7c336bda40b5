#pragma once

#include <bit>
#include <cstdint>

// A set of the 81 cells (9 * row + column) as bits. The first word holds rows 0..5 and the
// second rows 6..8, so no row and no 3x3 box is split between words and every set
// operation is two machine instructions.
class CellSet {
public:
    constexpr CellSet() = default;

    static constexpr CellSet Of(int cell) {
        return cell < SplitCell ? CellSet(uint64_t{1} << cell, 0)
                                : CellSet(0, uint64_t{1} << (cell - SplitCell));
    }
    static constexpr CellSet All() { return CellSet(LowAll, HighAll); }

    constexpr bool Contains(int cell) const { return !(*this & Of(cell)).IsEmpty(); }
    constexpr bool IsEmpty() const { return (low | high) == 0; }
    // Exactly one cell.
    constexpr bool IsSingle() const {
        return low != 0 ? (low & (low - 1)) == 0 && high == 0
                        : high != 0 && (high & (high - 1)) == 0;
    }
    constexpr int Count() const { return std::popcount(low) + std::popcount(high); }
    // The lowest cell; the set must not be empty.
    constexpr int First() const { return *begin(); }

    constexpr void Add(int cell) { *this |= Of(cell); }
    constexpr void Remove(int cell) { *this = Without(Of(cell)); }
    constexpr CellSet Without(CellSet other) const {
        return CellSet(low & ~other.low, high & ~other.high);
    }

    constexpr CellSet operator&(CellSet other) const {
        return CellSet(low & other.low, high & other.high);
    }
    constexpr CellSet operator|(CellSet other) const {
        return CellSet(low | other.low, high | other.high);
    }
    constexpr CellSet& operator&=(CellSet other) { return *this = *this & other; }
    constexpr CellSet& operator|=(CellSet other) { return *this = *this | other; }
    constexpr bool operator==(const CellSet&) const = default;

    // Lets `for (int cell : set)` visit the cells in increasing order.
    class Iterator {
    public:
        constexpr Iterator(uint64_t low, uint64_t high) : low(low), high(high) {}
        constexpr int operator*() const {
            return low != 0 ? std::countr_zero(low) : SplitCell + std::countr_zero(high);
        }
        constexpr Iterator& operator++() {
            if (low != 0)
                low &= low - 1;
            else
                high &= high - 1;
            return *this;
        }
        constexpr bool operator!=(const Iterator& other) const {
            return low != other.low || high != other.high;
        }

    private:
        uint64_t low;
        uint64_t high;
    };
    constexpr Iterator begin() const { return Iterator(low, high); }
    constexpr Iterator end() const { return Iterator(0, 0); }

private:
    static constexpr int SplitCell = 54;
    static constexpr uint64_t LowAll = (uint64_t{1} << SplitCell) - 1;
    static constexpr uint64_t HighAll = (uint64_t{1} << (81 - SplitCell)) - 1;

    constexpr CellSet(uint64_t low, uint64_t high) : low(low), high(high) {}

    uint64_t low = 0;
    uint64_t high = 0;
};
