#pragma once

#include "engine/CellSet.h"
#include "engine/Grid.h"

#include <array>
#include <cstdint>
#include <optional>

// The 27 houses of a layout as cell sets, numbered rows 0..8, columns 9..17 and regions
// 18..26.
class Houses {
public:
    static constexpr int Count = 27;
    static constexpr int FirstColumn = 9;
    static constexpr int FirstRegion = 18;

    // Nothing unless the layout is nine rows of nine region digits '1'..'9' with nine cells
    // in every region.
    static std::optional<Houses> Read(const LayoutRows& layout);

    const CellSet& Cells(int house) const { return cells[house]; }
    // The cell's row, column and region together: the cell and its peers.
    CellSet Reach(int cell) const {
        return cells[Row(cell)] | cells[FirstColumn + Column(cell)] |
               cells[FirstRegion + regions[cell]];
    }
    // Bit h is set for the three houses h that hold the cell.
    unsigned Holding(int cell) const {
        return 1u << Row(cell) | 1u << (FirstColumn + Column(cell)) |
               1u << (FirstRegion + regions[cell]);
    }
    // 0..8, the region number less one.
    int Region(int cell) const { return regions[cell]; }

    static constexpr int Row(int cell) { return cell / 9; }
    static constexpr int Column(int cell) { return cell % 9; }

private:
    Houses() = default;

    std::array<CellSet, Count> cells{};
    std::array<uint8_t, 81> regions{};
};
