// Cost of one frame of each screen and dialog: its Draw plus the copy to the window's
// buffer, next to the floor of a full frame, one copy of the 800 x 608 surface. Frames
// are those of a screen left alone (argument 0), or frames drawn whole as after anything
// about the screen changed (argument 1), unless the name says otherwise.
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
#include "game/BoardView.h"
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
    const bool whole = state.range(0) != 0;
    for (auto _ : state) {
        if (whole) InvalidateFrame();
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

// The boards a player sees most: the pad open over a Regular (0) or a Nonomino board (1)
// with highlight on, every empty cell full of marks (2), a step shown (3), a given's digit
// tinted wherever it stands (4), and the keyboard's cursor framed (5).
enum BoardLook { PadRegular, PadNonomino, FullOfMarks, ShownStep, SameDigitTint, KeyboardCursor };

void PointAtCell(int cell) {
    DispatchMouseMove(static_cast<int16_t>(BoardView::Left + BoardView::CellPitch * (cell % 9) + 29),
                      static_cast<int16_t>(BoardView::Top + BoardView::CellPitch * (cell / 9) + 29));
}

void BM_Board(benchmark::State& state) {
    const auto look = static_cast<BoardLook>(state.range(1));
    DealGame(look == PadNonomino ? 3 : 0);
    Switches().HighlightOn = look == KeyboardCursor ? 0 : 1;
    Switches().PadAssist = 1;
    switch (look) {
    case PadRegular:
    case PadNonomino:
        // Hover the first empty cell, open the pad on it, then point into the board.
        for (int cell = 0; cell < 81; ++cell) {
            PointAtCell(cell);
            if (GameIntf().Cursor() == cell) {
                DispatchMouseDown(1);
                break;
            }
        }
        break;
    case FullOfMarks: GameIntf().FillCandidates(); break;
    case ShownStep:
        GameIntf().FillCandidates();
        GameIntf().ToggleStep();
        break;
    case SameDigitTint:
        for (int cell = 0; cell < 81; ++cell) {
            if (GameIntf().Cell(cell).Digit() != 0) {
                PointAtCell(cell);
                break;
            }
        }
        break;
    case KeyboardCursor:
        for (uint8_t right = 0; right < 4; ++right)
            GameIntf().MoveSelectedGrid(1);
        break;
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
BENCHMARK(BM_Title)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TitleHoverEveryFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Options)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Loading)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Board)->ArgsProduct({{0, 1}, {0, 1, 2, 3, 4, 5}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConfirmDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PauseDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StageDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WinDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GameOverDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Records)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Help)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
