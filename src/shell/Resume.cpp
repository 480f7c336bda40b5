#include "shell/Resume.h"

#include "common/AppState.h"
#include "common/Navigation.h"
#include "dialogs/clsConfirmDialog.h"
#include "game/clsGameIntf.h"
#include "persist/FileIO.h"
#include "persist/SavedGames.h"
#include "screens/clsHelpsrc.h"
#include "shell/Screens.h"

namespace {

// The screen a question or help stands over, which is what the player sees beneath them.
ScreenId ScreenBeneath() {
    const auto shown = static_cast<ScreenId>(App().CurrentScreen);
    if (shown == ConfirmDialog) return ConfirmDlg().Panel().Beneath();
    if (shown == HelpScreen) return Helpsrc().ReturnScreen();
    return shown;
}

} // namespace

void KeepGameForNextStart() {
    switch (ScreenBeneath()) {
    case GameScreen:
    case PauseDialog:
    case StageDialog: // the stage just dealt, from its start
        if (GameIntf().Model().InPlay()) {
            WriteResume(GameIntf().Model());
            return;
        }
        break;
    case LoadingScreen:
    case WinDialog:
    case GameOverDialog: break;
    default: return; // no game on the board
    }
    RemoveResume();
}

void OfferResume() {
    if (!FileExists(ResumePath())) return;
    Navigator().Ask(
        {"Continue", "Continue the game you left?"},
        [] {
            Navigator().OpenSavedGame(ResumePath());
            RemoveResume();
        },
        [] { RemoveResume(); });
}
