#include "shell/ClockHold.h"

#include "shell/GameClock.h"

ClockHold::ClockHold() : wasRunning(Clock().ctimer) { Clock().ctimer = false; }

ClockHold::~ClockHold() { Clock().ctimer = wasRunning; }
