#include "PuzzleLines.h"

#include <array>

namespace {

bool IsDigits(std::string_view text, char lowest) {
    for (char ch : text) {
        if (ch < lowest || ch > '9') return false;
    }
    return true;
}

} // namespace

LineRead ReadPuzzleLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    bool any = false;
    for (int ch; (ch = buffer->sbumpc()) != std::char_traits<char>::eof();) {
        any = true;
        if (ch == '\n') break;
        if (line.size() < MaxPuzzleLineLength + 1) {
            line.push_back(static_cast<char>(ch));
        } else {
            tooLong = true;
        }
    }
    if (!any) {
        in.setstate(std::ios::eofbit);
        return LineRead::End;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (tooLong || line.size() > MaxPuzzleLineLength) {
        line.clear();
        return LineRead::TooLong;
    }
    return LineRead::Line;
}

bool ParsePuzzleLine(std::string_view text, Grid& grid, LayoutRows& layout) {
    if (text.size() != 81 && (text.size() != 163 || text[81] != ' ')) return false;
    const std::string_view digits = text.substr(0, 81);
    if (!IsDigits(digits, '0')) return false;
    for (int i = 0; i < 81; ++i)
        grid[i / 9][i % 9] = static_cast<int16_t>(digits[i] - '0');
    if (text.size() == 81) {
        layout = {"111222333", "111222333", "111222333", "444555666", "444555666",
                  "444555666", "777888999", "777888999", "777888999"};
        return true;
    }
    const std::string_view regions = text.substr(82);
    if (!IsDigits(regions, '1')) return false;
    std::array<int, 9> sizes{};
    for (char ch : regions)
        ++sizes[static_cast<size_t>(ch - '1')];
    for (int size : sizes) {
        if (size != 9) return false;
    }
    for (int r = 0; r < 9; ++r)
        layout[r] = std::string(regions.substr(9 * static_cast<size_t>(r), 9));
    return true;
}
