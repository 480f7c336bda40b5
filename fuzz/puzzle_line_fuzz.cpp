// Any text given to korvel-puzzles --solve is read line by line without holding an
// overlong line, and every accepted line is a grid of digits over nine regions of nine.
#include "PuzzleLines.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool Valid(const Grid& grid, const LayoutRows& layout) {
    std::array<int, 9> sizes{};
    for (int r = 0; r < 9; ++r) {
        if (layout[r].size() != 9) return false;
        for (int c = 0; c < 9; ++c) {
            if (grid[r][c] < 0 || grid[r][c] > 9) return false;
            const char region = layout[r][c];
            if (region < '1' || region > '9') return false;
            ++sizes[static_cast<size_t>(region - '1')];
        }
    }
    for (int size : sizes) {
        if (size != 9) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    for (LineRead read; (read = ReadPuzzleLine(in, line)) != LineRead::End;) {
        if (line.size() > MaxPuzzleLineLength) std::abort();
        Grid grid{};
        LayoutRows layout{};
        if (read == LineRead::Line && ParsePuzzleLine(line, grid, layout) && !Valid(grid, layout))
            std::abort();
    }
    return 0;
}
