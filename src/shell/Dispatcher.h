#pragma once

#include <cstdint>

// Key codes as the dispatcher receives them.
enum KeyCode : int16_t {
    KeyEnter = 13,
    KeyPause = 19,
    KeyEscape = 27,
    KeySpace = 32,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyA = 65,
    KeyH = 72,
    KeyM = 77,
    KeyS = 83,
    KeyY = 89,
    KeyZ = 90,
};

// Shift-state bits.
enum ShiftBits : int16_t { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// Everything the window receives is routed by CurrentScreen.
void DispatchMouseMove(int16_t x, int16_t y);
void DispatchMouseDown(int16_t button);
void DispatchMouseUp();
void DispatchKeyDown(int16_t keyCode, int16_t shift);
void DispatchKeyUp();
// Typed characters arrive as their code minus 48: '1'..'9' are digits, ':' the eraser.
void PressNumber(int16_t n);

// One 25 ms tick: draw the current screen, show it, count the game clock.
void Timer1_Timer();
void DrawCurrentScreen();

void MoveSelection(uint8_t direction);
void PressEnter();
