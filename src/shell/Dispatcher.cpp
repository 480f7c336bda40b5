#include "shell/Dispatcher.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/Screen.h"
#include "dialogs/clsWinDlg.h"
#include "draw/Drawing.h"
#include "game/clsGameIntf.h"
#include "shell/Screens.h"

namespace {

bool OnScreen(ScreenId id) { return App().CurrentScreen == id; }

// The loading screen takes no input: it only draws while a game is set up.
Screen* InputTarget() {
    if (OnScreen(LoadingScreen)) return nullptr;
    return ScreenFor(App().CurrentScreen);
}

void AdvanceClock() {
    ClockState& c = Clock();
    c.ClockTicks += 1;
    if (c.ClockTicks % 2 == 0) GameIntf().FlashTick();
    if (c.ClockTicks < TicksPerSecond) return;
    c.ClockTicks = 0;
    if (c.ct_h >= ClockMaxHours && c.ct_m == 59 && c.ct_s == 59) return;
    c.ct_s += 1;
    if (c.ct_s > 59) {
        c.ct_m += 1;
        c.ct_s = 0;
    }
    if (c.ct_m > 59) {
        c.ct_h += 1;
        c.ct_m = 0;
    }
    GameIntf().ClockSecond(c.ct_h, c.ct_m, c.ct_s);
}

} // namespace

void DispatchMouseMove(int16_t x, int16_t y) {
    if (Screen* screen = InputTarget()) screen->MouseMove(x, y);
}

void DispatchMouseDown(int16_t button) {
    if (Screen* screen = InputTarget()) screen->MouseDown(button);
}

void DispatchMouseUp() {
    if (Screen* screen = InputTarget()) screen->MouseUp();
}

void DispatchKeyDown(int16_t keyCode, int16_t shift) {
    if (OnScreen(WinDialog)) {
        if (keyCode == KeyA && shift == CtrlKey) WinDlg().showCredits = true;
        return;
    }
    if (!OnScreen(GameScreen)) return;
    switch (keyCode) {
    case KeyPause: Navigator().Show(PauseDialog); break;
    case KeyEnter: PressEnter(); break;
    case KeySpace: PressNumber(10); break;
    case KeyLeft: MoveSelection(2); break;
    case KeyUp: MoveSelection(4); break;
    case KeyRight: MoveSelection(1); break;
    case KeyDown: MoveSelection(3); break;
    case KeyS:
        if (shift == CtrlKey) GameIntf().SaveShortcut();
        break;
    case KeyZ:
        if (shift == CtrlKey) GameIntf().Undo();
        if (shift == (CtrlKey | ShiftKey)) GameIntf().Redo();
        break;
    case KeyY:
        if (shift == CtrlKey) GameIntf().Redo();
        break;
    case KeyM:
        if (shift == 0) GameIntf().FillCandidates();
        break;
    case KeyH:
        if (shift == 0) GameIntf().ToggleStep();
        break;
    default: break;
    }
}

void DispatchKeyUp() {
    if (OnScreen(WinDialog)) WinDlg().showCredits = false;
}

void PressNumber(int16_t n) {
    if (OnScreen(GameScreen) && n >= 1 && n <= 10) GameIntf().SelectNumber(n);
}

void MoveSelection(uint8_t direction) {
    if (OnScreen(GameScreen)) GameIntf().MoveSelectedGrid(direction);
}

void PressEnter() {
    if (OnScreen(GameScreen)) GameIntf().EnterPress();
}

void DrawCurrentScreen() {
    if (Screen* screen = ScreenFor(App().CurrentScreen)) screen->Draw();
}

void Timer1_Timer() {
    DrawCurrentScreen();
    PresentBuffer();
    if (Clock().ctimer) AdvanceClock();
}
