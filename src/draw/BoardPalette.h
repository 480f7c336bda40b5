#pragma once

#include "draw/Color.h"

// What marks cells on the board, beside the row, column and region highlight (a light
// frame picture) and the red flash of a clash: each has a hue of its own so that any two
// read apart where they meet.
namespace BoardPalette {

// The cell the arrow keys moved to: a near-white frame.
inline constexpr Color CursorFrame = 0xFFF0FFE6;
inline constexpr int CursorFrameWidth = 3;
// Every other cell holding the digit under the pointer or cursor: amber, see-through, and
// the same digit among marks drawn in full amber.
inline constexpr Color SameDigitTint = 0x58FFB840;
inline constexpr Color SameDigitMark = 0xFFFFC850;
// A shown step: the cell it fills and the houses that make it so in blue, the cells whose
// candidates it clears in violet.
inline constexpr Color StepCell = 0x963C9CFF;
inline constexpr Color StepHouse = 0x50508CFF;
inline constexpr Color StepCleared = 0x70B45AF0;
inline constexpr Color StepOutline = 0xFF78B4FF;

} // namespace BoardPalette
