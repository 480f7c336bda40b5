#pragma once

#include "engine/Grid.h"

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

// A puzzle line is 163 characters at most; anything much longer is not a puzzle, and
// must not be held in memory whole however long it runs.
inline constexpr size_t MaxPuzzleLineLength = 400;

enum class LineRead { Line, TooLong, End };

// Reads the next line without its line break (and without a "\r" before it). A line
// longer than MaxPuzzleLineLength is skipped to its end and reported as TooLong.
LineRead ReadPuzzleLine(std::istream& in, std::string& line);

// 81 digits, then optionally a space and 81 region digits where every region has nine
// cells; without a layout the regions are the nine boxes.
bool ParsePuzzleLine(std::string_view text, Grid& grid, LayoutRows& layout);
