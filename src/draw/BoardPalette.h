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
// A shown step, over any region's shade: the cell it fills in blue, the houses that make it
// so framed in cyan, the cells whose candidates it clears (or an entry to blame) in magenta.
inline constexpr Color StepCell = 0x963C9CFF;
inline constexpr Color StepCellFrame = 0xFFB4DCFF;
inline constexpr Color StepHouse = 0x3050B4FF;
inline constexpr Color StepHouseFrame = 0xFF50D2FF;
inline constexpr Color StepCleared = 0x60E650C8;
inline constexpr Color StepClearedFrame = 0xFFFF6EDC;

} // namespace BoardPalette
