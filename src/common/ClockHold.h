#pragma once

// Stops the game clock for as long as it lives, then puts it back as it found it: holds
// nest, and a clock that was already stopped (a finished game, a time-out) stays stopped.
class ClockHold {
public:
    ClockHold();
    ~ClockHold();
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

private:
    bool wasRunning;
};
