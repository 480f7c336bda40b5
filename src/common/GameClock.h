#pragma once

#include <cstdint>

// The game clock counts timer ticks, so it can be driven without waiting in tests.
struct ClockState {
    bool ctimer = false;
    int16_t ct_h = 0;
    int16_t ct_m = 0;
    int16_t ct_s = 0;
    int16_t ClockTicks = 0;
};

ClockState& Clock();

// 25 ms ticks per clock second: a clock second is a real second.
inline constexpr int16_t TicksPerSecond = 40;

void ResetClock();

// The clock stops at 99:59:59: two digits of hours is all it shows.
inline constexpr int16_t ClockMaxHours = 99;
