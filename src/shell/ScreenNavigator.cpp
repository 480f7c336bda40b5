#include "shell/ScreenNavigator.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Screen.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsWaiting.h"
#include "persist/SavedGames.h"
#include "print/Form2.h"
#include "screens/screenMenu.h"
#include "shell/Screens.h"

#include <utility>

void ScreenNavigator::Show(ScreenId id) {
    Screen& next = ScreenOf(id);
    const auto below = static_cast<ScreenId>(App().CurrentScreen);
    if (!next.CanOpenOver(below)) return;
    App().CurrentScreen = id;
    next.Shown(below);
}

Screen& ScreenNavigator::ScreenOf(ScreenId id) { return *ScreenFor(id); }

void ScreenNavigator::ReturnToMenu() {
    Clock().ctimer = false;
    Show(TitleScreen);
    Menu().init();
    Menu().Draw();
}

void ScreenNavigator::Ask(const Question& question, std::function<void()> onOk,
                          std::function<void()> onCancel) {
    ConfirmDlg().Ask(QString::fromStdString(question.message),
                     QString::fromStdString(question.title), std::move(onOk), std::move(onCancel));
    Show(ConfirmDialog);
}

void ScreenNavigator::DealNewGame() { Waiting().BeginNew(); }

bool ScreenNavigator::OpenSavedGame(const std::string& path) {
    const auto game = path.empty() ? LoadGame() : LoadGameFrom(path);
    if (game) Waiting().BeginLoad(*game);
    return game.has_value();
}

void ScreenNavigator::Print(const Puzzle& puzzle) { ShowPrintForm(puzzle, mainWindow()); }

void ScreenNavigator::Exit() { closeWindow(); }
