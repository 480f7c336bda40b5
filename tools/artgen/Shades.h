#pragma once

#include <QColor>

#include <array>

namespace art {

enum class Pattern { Plain, Diagonal, Dots, Rows, Hatch, Columns, Checks, Bricks, Waves };

struct Shade {
    QColor base;
    Pattern pattern;
};

// The nine region shades. Nonomino boards show all nine side by side, so
// they differ in hue, in lightness and in texture: the texture tells them
// apart without colour. Regular boards use the first two only, one for
// every other box.
inline const std::array<Shade, 9> kShades{{
    {QColor(18, 62, 32), Pattern::Plain},
    {QColor(26, 84, 96), Pattern::Diagonal},
    {QColor(80, 82, 24), Pattern::Dots},
    {QColor(32, 50, 116), Pattern::Rows},
    {QColor(78, 38, 100), Pattern::Hatch},
    {QColor(108, 62, 20), Pattern::Columns},
    {QColor(62, 70, 78), Pattern::Checks},
    {QColor(110, 30, 46), Pattern::Bricks},
    {QColor(44, 112, 40), Pattern::Waves},
}};

} // namespace art
