#include "engine/Houses.h"

std::optional<Houses> Houses::Read(const LayoutRows& layout) {
    Houses houses;
    std::array<int, 9> sizes{};
    for (int r = 0; r < 9; ++r) {
        if (layout[r].size() != 9) return std::nullopt;
        for (int c = 0; c < 9; ++c) {
            const int region = layout[r][c] - '1';
            if (region < 0 || region > 8 || sizes[region]++ == 9) return std::nullopt;
            const int cell = 9 * r + c;
            houses.regions[cell] = static_cast<uint8_t>(region);
            houses.cells[r].Add(cell);
            houses.cells[FirstColumn + c].Add(cell);
            houses.cells[FirstRegion + region].Add(cell);
        }
    }
    return houses;
}
