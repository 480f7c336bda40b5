#pragma once

#include <cstdint>

// Values of CurrentScreen.
enum ScreenId : int16_t {
    TitleScreen = 0,
    OptionsScreen = 1,
    GameScreen = 2,
    RecordsScreen = 3,
    LoadingScreen = 4,
    WinDialog = 5,
    HelpScreen = 6,
    PauseDialog = 7,
    StageDialog = 8,
    GameOverDialog = 9,
    ConfirmDialog = 10,
};
