#include "common/ClockHold.h"

#include "common/GameClock.h"

ClockHold::ClockHold() : wasRunning(Clock().ctimer) { Clock().ctimer = false; }

ClockHold::~ClockHold() { Clock().ctimer = wasRunning; }
