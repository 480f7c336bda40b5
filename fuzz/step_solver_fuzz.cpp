// Steps taken one after another on any grid that keeps the rules, on the boxes or a
// Nonomino template, each place an allowed digit in an empty cell and say so in one short
// line, until the step solver has none left. The first byte picks the layout; each of
// the next 81 is a cell, its value modulo 16 a digit (above 9: empty), so puzzle text
// such as "0530070000600..." is an input as it stands.
#include "engine/Rules.h"
#include "engine/StepSolver.h"
#include "engine/StepText.h"
#include "engine/Templates.h"

#include <cstdint>
#include <cstdlib>

namespace {

const LayoutRows Boxes{"111222333", "111222333", "111222333", "444555666", "444555666",
                       "444555666", "777888999", "777888999", "777888999"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 82) return 0;
    const int type = data[0] % 6;
    const LayoutRows& layout = type == 0 ? Boxes : NonominoTemplates()[type - 1].layout;
    Grid grid{};
    for (int cell = 0; cell < 81; ++cell) {
        const int digit = data[1 + cell] % 16;
        // A digit that would break the rules is left out, so every input reaches the steps.
        if (digit >= 1 && digit <= 9 && FindClash(grid, layout, cell, digit) == -1)
            CellOf(grid, cell) = static_cast<int16_t>(digit);
    }
    while (const std::optional<LogicStep> step = FindNextStep(grid, layout)) {
        if (CellOf(grid, step->cell) != 0 || step->digit < 1 || step->digit > 9 ||
            FindClash(grid, layout, step->cell, step->digit) != -1 ||
            DescribeStep(*step).size() > 78)
            std::abort();
        CellOf(grid, step->cell) = static_cast<int16_t>(step->digit);
    }
    return 0;
}
