#include "common/AppState.h"

#include "common/GameClock.h"
#include "common/Switches.h"

AppState& App() {
    static AppState state;
    return state;
}

SwitchState& Switches() {
    static SwitchState state;
    return state;
}

ClockState& Clock() {
    static ClockState state;
    return state;
}

void ResetClock() {
    ClockState& c = Clock();
    c.ct_h = 0;
    c.ct_m = 0;
    c.ct_s = 0;
}

std::string MakeVersionText(int major, int minor, int revision) {
    return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}
