#include "shell/Screens.h"

#include "common/ScreenId.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWaiting.h"
#include "dialogs/clsWinDlg.h"
#include "game/clsGameIntf.h"
#include "screens/clsHelpsrc.h"
#include "screens/clsHscore.h"
#include "screens/clsLvlSrc.h"
#include "screens/screenMenu.h"

#include <memory>

namespace {

struct ScreenObjects {
    std::unique_ptr<screenMenu> menu;
    std::unique_ptr<clsLvlSrc> lvlSrc;
    std::unique_ptr<clsGameIntf> gameIntf;
    std::unique_ptr<clsHscore> hscore;
    std::unique_ptr<clsWaiting> waiting;
    std::unique_ptr<clsWinDlg> winDlg;
    std::unique_ptr<clsHelpsrc> helpsrc;
    std::unique_ptr<clsPause> pause;
    std::unique_ptr<clsStage> stage;
    std::unique_ptr<clsGameOver> gameOver;
    std::unique_ptr<clsConfirmDialog> confirm;
};

ScreenObjects& Objects() {
    static ScreenObjects objects;
    return objects;
}

template <typename T, typename... Parts> T& Lazy(std::unique_ptr<T>& slot, Parts&... parts) {
    if (!slot) slot = std::make_unique<T>(parts...);
    return *slot;
}

} // namespace

screenMenu& Menu() { return Lazy(Objects().menu); }
clsLvlSrc& LvlSrc() { return Lazy(Objects().lvlSrc, Menu()); }
clsGameIntf& GameIntf() { return Lazy(Objects().gameIntf); }
clsHscore& Hscore() { return Lazy(Objects().hscore, Menu()); }
clsWaiting& Waiting() { return Lazy(Objects().waiting, GameIntf(), Menu()); }
clsWinDlg& WinDlg() { return Lazy(Objects().winDlg); }
clsHelpsrc& Helpsrc() { return Lazy(Objects().helpsrc, Menu()); }
clsPause& PauseDlg() { return Lazy(Objects().pause); }
clsStage& StageDlg() { return Lazy(Objects().stage); }
clsGameOver& GameOverDlg() { return Lazy(Objects().gameOver); }
clsConfirmDialog& ConfirmDlg() { return Lazy(Objects().confirm); }

Screen* ScreenFor(int16_t id) {
    switch (id) {
    case TitleScreen: return &Menu();
    case OptionsScreen: return &LvlSrc();
    case GameScreen: return &GameIntf();
    case RecordsScreen: return &Hscore();
    case LoadingScreen: return &Waiting();
    case WinDialog: return &WinDlg();
    case HelpScreen: return &Helpsrc();
    case PauseDialog: return &PauseDlg();
    case StageDialog: return &StageDlg();
    case GameOverDialog: return &GameOverDlg();
    case ConfirmDialog: return &ConfirmDlg();
    default: return nullptr;
    }
}

void ResetScreens() { Objects() = ScreenObjects{}; }
