#pragma once

#include <cstdint>

// On/off state of the options and the game-wide flags the screens share.
struct SwitchState {
    uint8_t SoundOn = 1;
    uint8_t MusicOn = 0;
    int32_t MusicTrack = 0;
    uint8_t PadAssist = 0;
    uint8_t HighlightOn = 0;
    bool GamePaused = false;
    bool SolutionShown = false;
};

SwitchState& Switches();
