#include "dialogs/clsWaiting.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
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
    gameScreen.init(std::move(game));
    SetProgress(90);
    gameScreen.Draw();
    // Every stage of a challenge is timed from 0:00:00 against its own limit.
    if (!s.TrainingMode) ResetClock();
    StartGame();
    if (!s.TrainingMode) Navigator().Show(StageDialog);
}

void clsWaiting::BeginLoad(const SavedGame& game) {
    Open();
    GameModel loaded = ApplySavedGame(game);
    LoadBlockImages(App().ProgramFolder);
    SetProgress(30);
    BuildLayout(1);
    gameScreen.init(std::move(loaded));
    SetProgress(60);
    gameScreen.Draw();
    SetProgress(90);
    StartGame();
    // The board counts from the loaded clock at once, and a game saved complete finishes
    // as soon as it is on the board, its dialog over the game screen and its clock stopped.
    const ClockState& c = Clock();
    gameScreen.ClockSecond(c.ct_h, c.ct_m, c.ct_s);
    if (App().CurrentScreen == GameScreen) gameScreen.Reload();
}

void clsWaiting::Open() {
    Navigator().Show(LoadingScreen);
    backdrop.reset();
    Draw();
}

void clsWaiting::StartGame() {
    backdrop.ReleaseLayer();
    Navigator().Show(GameScreen);
    Clock().ctimer = true;
}

// The timer ticks that run during the pump redraw this screen with the new value.
void clsWaiting::SetProgress(int16_t percent) {
    progress = percent;
    PumpEvents();
}

void clsWaiting::Draw() {
    FrameScope frame;
    backdrop.BackRedraw(2, this, {static_cast<uint32_t>(progress)}, {});
    SetFont(QStringLiteral("Arial"), 12, FontBold);
    SetTextColor(255, 255, 255, 255);
    DrawText(280, 180, QStringLiteral("Loading ...%1%").arg(progress));
    DrawProgressBar(200, 250, 300, 20, static_cast<float>(progress) / 100.0f);
}
