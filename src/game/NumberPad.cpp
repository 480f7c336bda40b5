#include "game/NumberPad.h"

#include "draw/Drawing.h"
#include "draw/Text.h"

namespace {

struct Offset {
    int x;
    int y;
};

// Where the digits 1..9, the eraser, the hint and the pencil switch stand in the pad: three
// to a row.
constexpr std::array<Offset, 12> ButtonOffsets{{{12, 22},
                                                {54, 22},
                                                {96, 22},
                                                {12, 64},
                                                {54, 64},
                                                {96, 64},
                                                {12, 106},
                                                {54, 106},
                                                {96, 106},
                                                {12, 148},
                                                {54, 148},
                                                {96, 148}}};
constexpr int PencilSwitch = 11;
constexpr int ButtonSize = 40;
// The hints left are written between the hint button and the pencil switch.
constexpr Offset HintCount{84, 168};

// The pad keeps its whole 180 x 200 on screen near the right and bottom edges.
constexpr int PadWidth = 180;
constexpr int PadHeight = 200;
constexpr int PadMaxLeft = 620;
constexpr int PadMaxTop = 400;

bool ButtonEnabled(int button, DigitSet enabled, int hintsLeft, int hintButton) {
    return button < 9 ? (enabled & DigitBit(button + 1)) != 0
                      : button != hintButton || hintsLeft > 0;
}

} // namespace

void NumberPad::init(const std::string& programFolder) {
    for (int i = 0; i < 9; ++i)
        buttons[i].init("", ButtonSize, ButtonSize, static_cast<int16_t>(i + 1));
    buttons[EraserButton].init(programFolder + "/res/55.bmp", ButtonSize, ButtonSize, 0);
    buttons[HintButton].init(programFolder + "/res/hint.png", ButtonSize, ButtonSize, 0);
    for (clsNBtn& button : buttons)
        button.States = 0;
    pencil.init(programFolder + "/res/pencil.png", ButtonSize, ButtonSize);
    pencil.Chked = 0;
    background = LoadCachedImage(programFolder + "/res/npad.png");
    open = false;
}

void NumberPad::PressFirstDigit() {
    for (clsNBtn& button : buttons)
        button.States = 0;
    buttons[0].States = 2;
    pencil.Chked = 0;
}

// A button left hovered when the pad last closed would take the next click wherever the
// pointer is now; only the pressed look of the last choice survives.
void NumberPad::Open(int cellLeft, int cellTop) {
    left = cellLeft + PadWidth > 800 ? PadMaxLeft : cellLeft;
    top = cellTop + PadHeight > 600 ? PadMaxTop : cellTop;
    open = true;
    for (clsNBtn& button : buttons) {
        if (button.States == 1) button.States = 0;
    }
}

void NumberPad::Draw(DigitSet enabled, DigitSet finished, int hintsLeft) {
    SetFont(QStringLiteral("Impact"), 24, FontBold);
    DrawCached(background, left, top);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        clsNBtn& button = buttons[i];
        button.Enable = ButtonEnabled(i, enabled, hintsLeft, HintButton);
        button.Done = i < 9 && (finished & DigitBit(i + 1)) != 0;
        button.SetLocation(static_cast<int16_t>(left + ButtonOffsets[i].x),
                           static_cast<int16_t>(top + ButtonOffsets[i].y));
        button.Draw();
    }
    pencil.SetLocation(static_cast<int16_t>(left + ButtonOffsets[PencilSwitch].x),
                       static_cast<int16_t>(top + ButtonOffsets[PencilSwitch].y));
    pencil.Draw();
    SetFont(QStringLiteral("Arial"), 10, FontRegular);
    DrawText(static_cast<int16_t>(left + HintCount.x), static_cast<int16_t>(top + HintCount.y),
             QString::number(hintsLeft));
}

void NumberPad::MouseMove(int16_t x, int16_t y) {
    for (clsNBtn& button : buttons)
        button.MouseMove(x, y);
    pencil.MouseMove(x, y);
}

NumberPad::Press NumberPad::MouseDown(int16_t button) {
    if (button != 1) {
        pencil.MouseDown();
        open = false;
        return {};
    }
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        if (buttons[i].MouseDown()) return Chosen(i);
    }
    if (!pencil.MouseDown()) open = false;
    return {};
}

NumberPad::Press NumberPad::Key(int digitOrEraser) {
    for (clsNBtn& button : buttons)
        button.States = 0;
    open = false;
    if (digitOrEraser == 10) return {Choice::Eraser, 0};
    return {Choice::Digit, digitOrEraser};
}

NumberPad::Press NumberPad::Chosen(int button) {
    for (clsNBtn& each : buttons)
        each.States = 0;
    open = false;
    if (button == EraserButton) return {Choice::Eraser, 0};
    if (button == HintButton) return {Choice::Hint, 0};
    return {Choice::Digit, button + 1};
}

PartLook NumberPad::Part(DigitSet enabled, DigitSet finished, int hintsLeft) const {
    if (!open) return {};
    uint64_t look = uint64_t{pencil.Chked} << 2 | static_cast<uint64_t>(pencil.State());
    look = look << 8 | static_cast<uint64_t>(hintsLeft);
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        const bool done = i < 9 && (finished & DigitBit(i + 1)) != 0;
        look = look << 4 | static_cast<uint64_t>(buttons[i].States) << 2 | uint64_t{done} << 1 |
               uint64_t{ButtonEnabled(i, enabled, hintsLeft, HintButton)};
    }
    return {look, QRect(left, top, PadWidth, PadHeight)};
}
