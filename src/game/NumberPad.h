#pragma once

#include "draw/FramePlan.h"
#include "draw/Picture.h"
#include "engine/Rules.h"
#include "widgets/clsNBtn.h"
#include "widgets/clschkbox.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The pop-up number pad: nine digits, the eraser, the hint and the pencil switch. It opens
// beside a cell and keeps its whole 180 x 200 on the screen. Its buttons act on the press.
class NumberPad {
public:
    // What a press on the open pad asks for; the pad closes on every choice but the pencil.
    enum class Choice { None, Digit, Eraser, Hint };
    struct Press {
        Choice choice = Choice::None;
        int digit = 0;
    };

    // Once per game: the buttons and their pictures, none pressed, the pencil off.
    void init(const std::string& programFolder);
    // A restart shows the first digit pressed, as a fresh pad does.
    void PressFirstDigit();
    void Open(int cellLeft, int cellTop);
    void Close() { open = false; }
    bool IsOpen() const { return open; }
    bool PencilOn() const { return pencil.Chked != 0; }

    // enabled: the digits that may be chosen; finished: those that stand nine times, shown
    // dimmed but still to be chosen.
    void Draw(DigitSet enabled, DigitSet finished, int hintsLeft);
    void MouseMove(int16_t x, int16_t y);
    // Button 1 is the left button: it chooses, and outside the pad it closes it. Any other
    // button flips the pencil switch under the pointer and closes the pad.
    Press MouseDown(int16_t button);
    void MouseUp() { pencil.MouseUp(); }
    // A digit key, 10 for the eraser keys.
    Press Key(int digitOrEraser);
    // How the pad looks drawn with these digits and hints, and where it stands while open.
    PartLook Part(DigitSet enabled, DigitSet finished, int hintsLeft) const;

private:
    static constexpr int EraserButton = 9;
    static constexpr int HintButton = 10;

    Press Chosen(int button);

    std::array<clsNBtn, 11> buttons;
    clschkbox pencil;
    ImageHandle background;
    bool open = false;
    int left = 0;
    int top = 0;
};
