#pragma once

#include "common/Navigation.h"

#include <functional>
#include <utility>

class QWidget;

// The shell's answers to the screens: it owns every screen and dialog, so it alone makes
// one current. The main window, which the print form stands over and whose closing ends
// the game, is reached through the two functions it is given.
class ScreenNavigator : public Navigation {
public:
    ScreenNavigator(std::function<QWidget*()> mainWindow, std::function<void()> closeWindow)
        : mainWindow(std::move(mainWindow)), closeWindow(std::move(closeWindow)) {}

    void Show(ScreenId id) override;
    Screen& ScreenOf(ScreenId id) override;
    void ReturnToMenu() override;
    void Ask(const Question& question, std::function<void()> onOk,
             std::function<void()> onCancel) override;
    void DealNewGame() override;
    bool OpenSavedGame(const std::string& path) override;
    void Print(const Puzzle& puzzle) override;
    void Exit() override;

private:
    std::function<QWidget*()> mainWindow;
    std::function<void()> closeWindow;
};
