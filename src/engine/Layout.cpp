#include "engine/Layout.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Random.h"
#include "engine/Templates.h"

const LayoutRows RegularLayout{"111222333", "111222333", "111222333", "444555666", "444555666",
                               "444555666", "777888999", "777888999", "777888999"};

namespace {

const NonominoTemplate& TemplateOf(int16_t n) {
    return NonominoTemplates()[(n >= 1 && n <= 4) ? n - 1 : 4];
}

} // namespace

void LoadTemplate(int16_t n) {
    const NonominoTemplate& chosen = TemplateOf(n);
    Sudoku().RegionLayout = chosen.layout;
    Sudoku().SolutionTemplate = chosen.solution;
}

const LayoutRows& LayoutOf(int16_t puzzleType) {
    return puzzleType == 0 ? RegularLayout : TemplateOf(puzzleType).layout;
}

void BuildLayout(int16_t keep) {
    Randomize();
    GameSettings& settings = Settings();
    if (settings.PuzzleType != 0) {
        // Rounding 4R+1 makes templates 1 and 5 half as likely as the others.
        if (keep == 0) settings.PuzzleType = static_cast<int16_t>(RoundHalfEven(4 * Rnd() + 1));
        LoadTemplate(settings.PuzzleType);
    }
    if (settings.PuzzleType == 0) Sudoku().RegionLayout = RegularLayout;
    Sudoku().RegionCells = ComputeRegionCells(Sudoku().RegionLayout);
}

RegionCellTable ComputeRegionCells(const LayoutRows& layout) {
    RegionCellTable cells{};
    std::array<int, 9> filled{};
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int region = layout[row].size() > 8 ? layout[row][column] - '1' : -1;
            // A malformed layout must not write past a region's nine places.
            if (region < 0 || region > 8 || filled[region] > 8) continue;
            cells[region][filled[region]++] = {static_cast<uint8_t>(column),
                                               static_cast<uint8_t>(row)};
        }
    }
    return cells;
}

int16_t GetRegion(int column, int row) {
    return static_cast<int16_t>(Sudoku().RegionLayout[row][column] - '0');
}

CellPos GetRegionCell(int column, int row, int k) {
    return Sudoku().RegionCells[GetRegion(column, row) - 1][k];
}

int16_t GetIndexInRegion(int column, int row) {
    const auto& cells = Sudoku().RegionCells[GetRegion(column, row) - 1];
    for (int16_t k = 0; k < 9; ++k) {
        if (cells[k].column == column && cells[k].row == row) return k;
    }
    return -1;
}
