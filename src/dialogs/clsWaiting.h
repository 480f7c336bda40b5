#pragma once

#include "common/Screen.h"
#include "game/clsGameIntf.h"
#include "persist/SavedGameFile.h"
#include "screens/screenMenu.h"

#include <cstdint>

// The loading screen: sets a game up in one call and keeps its progress bar drawn
// meanwhile by letting pending events run. It takes no input.
class clsWaiting : public Screen {
public:
    // It sets up the game screen's game, drawn over the title's falling digits.
    clsWaiting(clsGameIntf& gameScreen, screenMenu& backdrop)
        : gameScreen(gameScreen), backdrop(backdrop) {}
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

    clsGameIntf& gameScreen;
    screenMenu& backdrop;
    int16_t progress = 0;
};
