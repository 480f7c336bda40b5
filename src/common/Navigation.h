#pragma once

#include "common/ScreenId.h"
#include "model/Puzzle.h"

#include <functional>
#include <memory>
#include <string>

class Screen;

// A question the player answers with "OK" or "Cancel".
struct Question {
    std::string title;
    std::string message;
};

// How screens, dialogs, the game and the print form reach one another without knowing each
// other: they ask here, and the shell, which owns them all, answers. Only Show makes a
// screen current.
class Navigation {
public:
    virtual ~Navigation() = default;
    // Makes a screen or dialog current, opened over the one that was; one that opens only
    // over the board refuses any other.
    virtual void Show(ScreenId id) = 0;
    virtual Screen& ScreenOf(ScreenId id) = 0;
    // The common way back to the title: the game's clock stops and the title starts afresh.
    virtual void ReturnToMenu() = 0;
    // Asks over the current screen, whichever it is; onOk runs once the player answers OK,
    // onCancel once they answer Cancel.
    virtual void Ask(const Question& question, std::function<void()> onOk,
                     std::function<void()> onCancel = {}) = 0;
    // The loading screen deals a puzzle for the chosen settings, or the next challenge stage.
    virtual void DealNewGame() = 0;
    // A saved game onto its board, with the checks and messages of LOAD GAME; the player is
    // asked for the file when path is empty. False when none was opened.
    virtual bool OpenSavedGame(const std::string& path) = 0;
    // The print form for a puzzle, over the main window.
    virtual void Print(const Puzzle& puzzle) = 0;
    virtual void Exit() = 0;
};

Navigation& Navigator();
void SetNavigator(std::unique_ptr<Navigation> navigator);
