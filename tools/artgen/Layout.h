#pragma once

#include <QRect>

// Where the game places its widgets on the 800 x 608 game screen; the art
// lines up with these.
namespace art::layout {

inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 608;

inline constexpr int kCellSize = 58;
inline constexpr int kCellPitch = 60;
inline constexpr int kBoardLeft = 222;
inline constexpr int kBoardTop = 38;
inline constexpr int kBoardSpan = 8 * kCellPitch + kCellSize; // 538

inline QRect cell(int column, int row) {
    return {kBoardLeft + kCellPitch * column, kBoardTop + kCellPitch * row, kCellSize, kCellSize};
}

inline constexpr int kCommandCount = 7;
inline QRect command(int index) { return {15, 65 + 40 * index, 155, 32}; }

inline constexpr int kOptionCount = 4;
inline constexpr int kOptionTops[kOptionCount] = {425, 473, 522, 571};
inline QRect optionOn(int group) { return {65, kOptionTops[group], 53, 18}; }
inline QRect optionOff(int group) { return {123, kOptionTops[group], 53, 18}; }

} // namespace art::layout
