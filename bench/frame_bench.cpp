// Cost of one frame of each screen and dialog: its Draw plus the copy to the window's
// buffer, next to the floor of a full frame, one copy of the 800 x 608 surface. Frames
// are those of a screen left alone unless the name says otherwise.
#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/ScreenId.h"
#include "common/Switches.h"
#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "dialogs/clsPause.h"
#include "dialogs/clsStage.h"
#include "dialogs/clsWaiting.h"
#include "dialogs/clsWinDlg.h"
#include "draw/Drawing.h"
#include "engine/GameSettings.h"
#include "engine/Generator.h"
#include "engine/Random.h"
#include "game/clsGameIntf.h"
#include "screens/clsHelpsrc.h"
#include "screens/clsHscore.h"
#include "screens/clsLvlSrc.h"
#include "screens/screenMenu.h"
#include "shell/Dispatcher.h"
#include "shell/Main.h"
#include "shell/Screens.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

QImage window(791, 608, QImage::Format_ARGB32_Premultiplied);

// As the window does: only what changed reaches it.
void Present(const QImage& buffer, const QRegion& changed) {
    QPainter painter(&window);
    for (const QRect& part : changed)
        painter.drawImage(part.topLeft(), buffer, part);
}

void Frames(benchmark::State& state, Screen& screen) {
    for (auto _ : state) {
        screen.Draw();
        PresentBuffer();
    }
}

void DealGame(int16_t puzzleType) {
    Settings().PuzzleType = puzzleType;
    PrepareNewPuzzle();
    BuildSolution();
    HideCells(1);
    LoadBlockImages(App().ProgramFolder);
    GameIntf().init(DealtGame());
    App().CurrentScreen = GameScreen;
    Clock().ctimer = true;
}

// The floor: one copy of the whole surface.
void BM_SurfaceCopy(benchmark::State& state) {
    const QImage& surface = Drawing().SpeedBuffer;
    for (auto _ : state)
        Present(surface, QRegion(surface.rect()));
}

void BM_Title(benchmark::State& state) {
    Menu().init();
    Frames(state, Menu());
}

// The worst frame of the title: the pointer goes on or off a button every frame, so each
// frame is drawn whole.
void BM_TitleHoverEveryFrame(benchmark::State& state) {
    Menu().init();
    bool on = false;
    for (auto _ : state) {
        on = !on;
        Menu().MouseMove(on ? 300 : 20, on ? 140 : 20);
        Menu().Draw();
        PresentBuffer();
    }
}

void BM_Options(benchmark::State& state) {
    LvlSrc().init();
    Frames(state, LvlSrc());
}

void BM_Loading(benchmark::State& state) { Frames(state, Waiting()); }

void BM_GameWithPadAndHighlight(benchmark::State& state) {
    DealGame(static_cast<int16_t>(state.range(0)));
    Switches().HighlightOn = 1;
    Switches().PadAssist = 1;
    // Hover the first empty cell, open the pad on it, then point into the board.
    for (int16_t i = 0; i < 81; ++i) {
        const int16_t x = static_cast<int16_t>(222 + 60 * (i % 9) + 29);
        const int16_t y = static_cast<int16_t>(38 + 60 * (i / 9) + 29);
        DispatchMouseMove(x, y);
        if (GameIntf().Cursor() == i) {
            DispatchMouseDown(1);
            break;
        }
    }
    Frames(state, GameIntf());
}

void BM_ConfirmDialog(benchmark::State& state) {
    DealGame(0);
    Navigator().Ask({"Return", "Return to Main menu will end this game.\r\nReturn?"}, [] {});
    Frames(state, ConfirmDlg());
}

// A one-button dialog over a dealt board.
void DialogFrames(benchmark::State& state, ScreenId dialog) {
    DealGame(0);
    Navigator().Show(dialog);
    Frames(state, Navigator().ScreenOf(dialog));
}

void BM_PauseDialog(benchmark::State& state) { DialogFrames(state, PauseDialog); }
void BM_StageDialog(benchmark::State& state) { DialogFrames(state, StageDialog); }
void BM_WinDialog(benchmark::State& state) { DialogFrames(state, WinDialog); }
void BM_GameOverDialog(benchmark::State& state) { DialogFrames(state, GameOverDialog); }

void BM_Records(benchmark::State& state) {
    Hscore().init();
    Frames(state, Hscore());
}

void BM_Help(benchmark::State& state) {
    App().CurrentScreen = TitleScreen;
    Navigator().Show(HelpScreen);
    Frames(state, Helpsrc());
}

} // namespace

BENCHMARK(BM_SurfaceCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Title)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleHoverEveryFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Options)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Loading)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameWithPadAndHighlight)->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConfirmDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PauseDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WinDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameOverDialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Help)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    App().ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    App().VersionText = "1.42";
    FillStageTables();
    SetNavigator(MakeNavigator());
    Helpsrc().init();
    SeedRandom(7);
    HoldSeed(true);
    StartDrawing(800, 608);
    SetPresenter(Present);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
