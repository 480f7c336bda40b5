#pragma once

#include "persist/SavedGameFile.h"
#include "shell/Screen.h"

#include <cstdint>

// The loading screen: sets a game up in one call and keeps its progress bar drawn
// meanwhile by letting pending events run. It takes no input.
class clsWaiting : public Screen {
public:
    // A new puzzle for the chosen (or, in a challenge, the stage's) type and level.
    void BeginNew();
    // The game screen for a game that has just been read from a file.
    void BeginLoad(const SavedGame& game);
    void Draw() override;

    int16_t Progress() const { return progress; }

private:
    void SetProgress(int16_t percent);
    void Open();
    void StartGame();

    int16_t progress = 0;
};
