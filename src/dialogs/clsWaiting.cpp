#include "dialogs/clsWaiting.h"

#include "dialogs/clsStage.h"
#include "draw/Drawing.h"
#include "draw/FrameScope.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Hooks.h"
#include "engine/Layout.h"
#include "game/clsGameIntf.h"
#include "persist/SavedGames.h"
#include "screens/screenMenu.h"
#include "shell/AppState.h"
#include "shell/Dispatcher.h"
#include "shell/GameClock.h"
#include "shell/ScreenId.h"
#include "shell/Screens.h"

#include <utility>

void clsWaiting::BeginNew() {
    GameSettings& s = Settings();
    Open();
    if (!s.TrainingMode) s.Level = s.StageLevel[StageIndex()];
    PrepareNewPuzzle();
    SetProgress(10);
    LoadBlockImages(App().ProgramFolder);
    SetProgress(20);
    BuildSolution();
    HideCells(s.Level);
    SetProgress(50);
    GameModel game = DealtGame();
    SetProgress(60);
    GameIntf().init(std::move(game));
    SetProgress(90);
    GameIntf().Draw();
    // Every stage of a challenge is timed from 0:00:00 against its own limit.
    if (!s.TrainingMode) ResetClock();
    StartGame();
    if (!s.TrainingMode) StageDlg().Show();
}

void clsWaiting::BeginLoad(const SavedGame& game) {
    Open();
    GameModel loaded = ApplySavedGame(game);
    LoadBlockImages(App().ProgramFolder);
    SetProgress(30);
    BuildLayout(1);
    GameIntf().init(std::move(loaded));
    SetProgress(60);
    GameIntf().Draw();
    SetProgress(90);
    StartGame();
    // The board counts from the loaded clock at once, and a game saved complete finishes
    // as soon as it is on the board, its dialog over the game screen and its clock stopped.
    const ClockState& c = Clock();
    UpdateClockDisplay(c.ct_h, c.ct_m, c.ct_s);
    if (App().CurrentScreen == GameScreen) GameIntf().Reload();
}

void clsWaiting::Open() {
    App().CurrentScreen = LoadingScreen;
    Menu().reset();
    Draw();
}

void clsWaiting::StartGame() {
    Menu().ReleaseLayer();
    App().CurrentScreen = GameScreen;
    Clock().ctimer = true;
}

// The timer ticks that run during the pump redraw this screen with the new value.
void clsWaiting::SetProgress(int16_t percent) {
    progress = percent;
    PumpEvents();
}

void clsWaiting::Draw() {
    FrameScope frame;
    Menu().BackRedraw(2, this, {static_cast<uint32_t>(progress)});
    SetFont(QStringLiteral("Arial"), 12, FontBold);
    SetTextColor(255, 255, 255, 255);
    DrawText(280, 180, QStringLiteral("Loading ...%1%").arg(progress));
    DrawProgressBar(200, 250, 300, 20, static_cast<float>(progress) / 100.0f);
}
