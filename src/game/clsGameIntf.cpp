#include "game/clsGameIntf.h"

#include "dialogs/clsConfirmDialog.h"
#include "dialogs/clsGameOver.h"
#include "draw/Drawing.h"
#include "draw/FrameScope.h"
#include "draw/GameImages.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "engine/Rules.h"
#include "engine/Solver.h"
#include "persist/BestRecords.h"
#include "persist/Completion.h"
#include "persist/SavedGames.h"
#include "print/Form2.h"
#include "screens/clsHelpsrc.h"
#include "shell/AppState.h"
#include "shell/Dispatcher.h"
#include "shell/GameClock.h"
#include "shell/ScreenId.h"
#include "shell/Screens.h"
#include "shell/Sound.h"
#include "shell/Switches.h"

#include <algorithm>

namespace {

struct CommandPlace {
    const char* caption;
    int16_t top;
};

// Indexed by clsGameIntf::Command.
constexpr std::array<CommandPlace, 7> CommandPlaces{{{"SAVE GAME", 65},
                                                     {"PAUSE", 105},
                                                     {"PRINT", 145},
                                                     {"RESTART", 185},
                                                     {"SOLUTION", 225},
                                                     {"MAIN MENU", 265},
                                                     {"HOW TO PLAY", 305}}};
constexpr int16_t CommandLeft = 15;

constexpr std::array<int16_t, 4> OptionTops{425, 473, 522, 571};
constexpr int16_t OnLeft = 65;
constexpr int16_t OffLeft = 123;

constexpr int16_t BoardLeft = 222;
constexpr int16_t BoardTop = 38;
constexpr int16_t CellPitch = 60;
constexpr int16_t CellSize = 58;

// The pad keeps its whole 180 x 200 on screen near the right and bottom edges.
constexpr int PadWidth = 180;
constexpr int PadHeight = 200;
constexpr int PadMaxLeft = 620;
constexpr int PadMaxTop = 400;

// The scan line sweeps down a pixel per frame and back up three.
constexpr int16_t ScanDown = 1;
constexpr int16_t ScanUp = -3;
constexpr int16_t ScanLowest = 510;
constexpr int ScanLineWidth = 540;
constexpr int ScanLineHeight = 20;
constexpr int16_t ScanHighest = 22;

bool InMiddleThird(int i) { return i >= 3 && i <= 5; }

bool IsCell(int16_t i) { return i >= 0 && i <= 80; }

struct Question {
    const char* title;
    const char* message;
};

constexpr Question RestartQuestion{"Restart", "Do you want to restart game?"};
constexpr Question MenuQuestion{"Return", "Return to Main menu will end this game.\r\nReturn?"};
constexpr Question SolutionQuestion{"Show Solution", "Give up to show solution. \r\nOK?"};

int32_t Ask(const Question& question) {
    return ConfirmDlg().Show(QString::fromUtf8(question.message), QString::fromUtf8(question.title),
                             1, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

std::string Path(const std::string& relative) { return App().ProgramFolder + relative; }

// A solution that contradicts a given (or is missing, as after a load) cannot serve hints.
bool SolutionFitsGivens() {
    const EngineState& s = Sudoku();
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            const int16_t solved = s.SolutionGrid[r][c];
            const int16_t given = s.GivenGrid[r][c];
            if (solved == 0 || (given != 0 && given != solved)) return false;
        }
    }
    return true;
}

uint8_t OptionValue(const clsRadios& group) { return static_cast<uint8_t>(1 - group.value); }

} // namespace

void clsGameIntf::CONSTinit() {
    if (padPosFilled) return;
    for (int i = 0; i < 12; ++i)
        PadPos[static_cast<size_t>(i)] = {12 + 42 * (i % 3), 22 + 42 * (i / 3)};
    padPosFilled = true;
}

void clsGameIntf::init() {
    Win = false;
    Switches().PadAssist = 0;
    surfaceName = "sea";
    LoadImages();
    EnsureSolution();
    BuildCommands();
    BuildOptions();
    BuildCells();
    BuildPad();
    clock.SetLocation(25, 13);
    ShowClockReading();
    CurrentNumber = 1;
    SelectedCell = -1;
    FlashCell = -1;
    PadVisible = false;
    HintsLeft = 3;
    PrerenderBoard();
    InvalidateFrame(); // the board's background is new
    RestartMusic();
    ScanLineStep = ScanDown;
}

void clsGameIntf::LoadImages() {
    GameImages& shared = TheGameImages();
    shared.Background = LoadImage(Path("/res/newmain.png"));
    shared.Surface = LoadImage(Path("/res/surf/" + surfaceName + "/222.bmp"));
    padImage = LoadCachedImage(Path("/res/npad.png"));
    scanDownImage = LoadCachedImage(Path("/res/ln.png"));
    scanUpImage = LoadCachedImage(Path("/res/ln1.png"));
    LoadBlockImages(App().ProgramFolder);
}

// A loaded game brings no solution; hints then solve the givens.
void clsGameIntf::EnsureSolution() {
    if (SolutionFitsGivens()) return;
    EngineState& s = Sudoku();
    if (const auto solved = SolveGrid(s.GivenGrid, s.RegionLayout)) s.SolutionGrid = *solved;
}

void clsGameIntf::BuildCommands() {
    for (size_t i = 0; i < commands.size(); ++i) {
        commands[i].init(CommandPlaces[i].caption, 155, 32, 1);
        commands[i].SetLocation(CommandLeft, CommandPlaces[i].top);
    }
}

void clsGameIntf::BuildOptions() {
    for (size_t g = 0; g < options.size(); ++g) {
        clsRbtn& on = radios[2 * g];
        clsRbtn& off = radios[2 * g + 1];
        on.init("ON", 53, 18, 1);
        on.SetLocation(OnLeft, OptionTops[g]);
        off.init("OFF", 53, 18, 1);
        off.SetLocation(OffLeft, OptionTops[g]);
        options[g] = clsRadios{};
        options[g].AddRadio(on);
        options[g].AddRadio(off);
    }
}

void clsGameIntf::BuildCells() {
    Switches().SolutionShown = false;
    TC = 0;
    const EngineState& s = Sudoku();
    const bool nonomino = Settings().PuzzleType != 0;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            // Regular boards alternate two shades box by box.
            const auto shade = static_cast<uint8_t>(
                nonomino ? GetRegion(c, r) : InMiddleThird(r) != InMiddleThird(c));
            clsMyBtn& cell = cells[static_cast<size_t>(9 * r + c)];
            cell.init(CellSize, CellSize, s.GivenGrid[r][c], shade, nonomino);
            cell.SetLocation(static_cast<int16_t>(BoardLeft + CellPitch * c),
                             static_cast<int16_t>(BoardTop + CellPitch * r));
            cell.setnm(s.CurrentGrid[r][c], false);
        }
    }
    const SwitchState& sw = Switches();
    options[SoundGroup].setvalue(static_cast<int16_t>(1 - sw.SoundOn));
    options[MusicGroup].setvalue(static_cast<int16_t>(1 - sw.MusicOn));
    options[PadAssistGroup].setvalue(static_cast<int16_t>(1 - sw.PadAssist));
    options[HighlightGroup].setvalue(static_cast<int16_t>(1 - sw.HighlightOn));
}

void clsGameIntf::BuildPad() {
    for (int i = 0; i < 9; ++i)
        pad[static_cast<size_t>(i)].init("", 40, 40, static_cast<int16_t>(i + 1));
    pad[EraserButton].init(Path("/res/55.bmp"), 40, 40, 0);
    pad[HintButton].init(Path("/res/hint.png"), 40, 40, 0);
    for (clsNBtn& button : pad)
        button.States = 0;
    pencil.init(Path("/res/pencil.png"), 40, 40);
}

// The board's shades never change during a game, so they are painted into the
// background once instead of every frame.
void clsGameIntf::PrerenderBoard() {
    const auto board = GetImageGraphics(TheGameImages().Background);
    if (!board) return;
    for (const clsMyBtn& cell : cells)
        cell.DrawTospeedBuffer(*board);
}

void clsGameIntf::Reload() { FinishIfComplete(); }

// Only the scan line moves on a board left alone: while nothing else looks different, a
// frame draws just the strips where the line was and is.
void clsGameIntf::Draw() {
    FrameScope frame;
    if (Switches().HighlightOn != 0) DrawHeighlight();
    const QRect strip(BoardLeft, BoardTop + ScanLineOffset, ScanLineWidth, ScanLineHeight);
    PlanFrame(this, FrameLook(), QRegion(strip).united(drawnStrip));
    drawnStrip = strip;
    DrawBase();
    DrawScanLine();
    DrawCells();
    if (PadVisible) DrawNumPad();

    SetFont("Arial Black", 10, FontRegular);
    SetTextColor(255, 255, 255, 255);
    if (Settings().TrainingMode) {
        clock.Draw();
    } else {
        DrawTimeLeft();
    }
    SetFont("Arial", 11, FontRegular);
    SetTextColor(255, 255, 255, 255);
}

// The background with the commands and options: everything below the scan line.
void clsGameIntf::DrawBase() {
    DrawBackground(TheGameImages().Background);
    for (Command c : {SaveGame, Pause, Print, Restart, MainMenu, Solution, HowToPlay}) {
        commands[c].Draw();
    }
    for (clsRbtn& radio : radios)
        radio.Draw();
}

void clsGameIntf::DrawCells() {
    for (clsMyBtn& cell : cells)
        cell.Draw(Switches().GamePaused);
}

// Everything that changes how the board looks, but the scan line; a dialog over the board
// adds its own look to it.
std::vector<uint32_t> clsGameIntf::FrameLook() const {
    std::vector<uint32_t> look{Switches().GamePaused};
    for (const clsButton& command : commands)
        look.push_back(command.Look());
    for (const clsRbtn& radio : radios)
        look.push_back(radio.Look());
    for (const clsMyBtn& cell : cells)
        look.push_back(cell.Look());
    look.insert(look.end(), {static_cast<uint32_t>(App().CurrentScreen), PadVisible,
                             static_cast<uint32_t>(SelectedCell), Switches().PadAssist,
                             static_cast<uint32_t>(HintsLeft), pencil.Chked,
                             static_cast<uint32_t>(pencil.State()), Settings().TrainingMode,
                             static_cast<uint32_t>(TC)});
    for (QChar digit : clock.Text())
        look.push_back(digit.unicode());
    for (const clsNBtn& button : pad)
        look.push_back(static_cast<uint32_t>(button.States));
    return look;
}

void clsGameIntf::DrawScanLine() {
    if (ScanLineStep == ScanDown && ScanLineOffset > ScanLowest) ScanLineStep = ScanUp;
    if (ScanLineStep == ScanUp && ScanLineOffset < ScanHighest) ScanLineStep = ScanDown;
    DrawCached(ScanLineStep == ScanDown ? scanDownImage : scanUpImage, BoardLeft,
               BoardTop + ScanLineOffset);
    ScanLineOffset = static_cast<int16_t>(ScanLineOffset + ScanLineStep);
}

void clsGameIntf::DrawNumPad() {
    const clsMyBtn& selected = cells[static_cast<size_t>(SelectedCell)];
    int x = selected.getLOC_x();
    int y = selected.getLOC_y();
    if (x + PadWidth > 800) x = PadMaxLeft;
    if (y + PadHeight > 600) y = PadMaxTop;

    SetFont("Impact", 24, FontBold);
    DrawCached(padImage, x, y);
    const bool assist = Switches().PadAssist != 0;
    for (int i = 0; i < static_cast<int>(pad.size()); ++i) {
        clsNBtn& button = pad[static_cast<size_t>(i)];
        const bool digit = i < 9;
        button.Enable = digit ? !assist || IsDigitAllowed(SelectedCell, static_cast<int16_t>(i + 1))
                              : i != HintButton || HintsLeft > 0;
        const QPoint at = PadPos[static_cast<size_t>(i)];
        button.SetLocation(static_cast<int16_t>(x + at.x()), static_cast<int16_t>(y + at.y()));
        button.Draw();
    }
    const QPoint box = PadPos[11];
    pencil.SetLocation(static_cast<int16_t>(x + box.x()), static_cast<int16_t>(y + box.y()));
    pencil.Draw();
    SetFont("Arial", 10, FontRegular);
    DrawText(static_cast<int16_t>(x + 84), static_cast<int16_t>(y + 168),
             QString::number(HintsLeft));
}

void clsGameIntf::DrawHeighlight() {
    if (CursorCell == -1) return;
    const int r = CursorCell / 9;
    const int c = CursorCell % 9;
    for (int k = 0; k < 9; ++k) {
        cells[static_cast<size_t>(9 * r + k)].DrawH();
        cells[static_cast<size_t>(9 * k + c)].DrawH();
        const CellPos inRegion = GetRegionCell(c, r, k);
        cells[static_cast<size_t>(9 * inRegion.row + inRegion.column)].DrawH();
    }
}

void clsGameIntf::DrawTimeLeft() {
    const int limit = StageTimeAllowed();
    const int remaining = limit - TC;
    DrawText(25, 50, "Left time:" + QString::number(remaining) + " Second");
    const float fraction =
        limit > 0 ? static_cast<float>(remaining) / static_cast<float>(limit) : 0.0f;
    DrawProgressBar(30, 25, 150, 10, fraction);
}

void clsGameIntf::SetTC(int16_t k) {
    const int16_t limit = StageTimeAllowed();
    if (k < limit) {
        TC = k;
        return;
    }
    // Time is up, once: the clock stops before the record prompt, which would otherwise be
    // raised again every second while it is open. A question left open gives way to the
    // end of the challenge.
    Clock().ctimer = false;
    UpdateBestRecord(Settings().ChallengeScore, Settings().ChallengeLevel);
    if (App().CurrentScreen == ConfirmDialog) App().CurrentScreen = GameScreen;
    GameOverDlg().Show();
    TC = limit;
}

void clsGameIntf::MouseMove(int16_t X, int16_t Y) {
    if (PadVisible) {
        for (clsNBtn& button : pad)
            button.MouseMove(X, Y);
        pencil.MouseMove(X, Y);
        return;
    }
    CursorCell = -1;
    for (clsButton& command : commands)
        command.MouseMove(X, Y);
    for (clsRadios& group : options)
        group.MouseMove(X, Y);
    for (int16_t i = 0; i < 81; ++i) {
        if (cells[static_cast<size_t>(i)].MouseMove(X, Y)) CursorCell = i;
    }
}

void clsGameIntf::MouseDown(int16_t Button) {
    if (PadVisible) {
        PadOpenDown(Button);
    } else {
        PadClosedDown();
    }
}

void clsGameIntf::PadClosedDown() {
    for (clsButton& command : commands)
        command.MouseDown();
    for (clsRadios& group : options)
        group.MouseDown();
    if (Switches().GamePaused) {
        Draw();
        return;
    }
    if (Switches().SolutionShown) return;
    for (int16_t i = 0; i < 81; ++i) {
        if (!cells[static_cast<size_t>(i)].MouseDown()) continue;
        OpenPad(i);
        pencil.Chked = 0;
        return;
    }
}

// Any click closes the pad except one on the pencil box; a right click flips the box
// when it is under the pointer and closes the pad all the same.
void clsGameIntf::PadOpenDown(int16_t Button) {
    if (Button != 1) {
        pencil.MouseDown();
        PadVisible = false;
        return;
    }
    for (int i = 0; i < static_cast<int>(pad.size()); ++i) {
        clsNBtn& button = pad[static_cast<size_t>(i)];
        if (!button.MouseDown()) continue;
        pad[static_cast<size_t>(CurrentNumber == Eraser ? EraserButton : CurrentNumber - 1)]
            .States = 0;
        CurrentNumber = static_cast<int16_t>(i == EraserButton ? Eraser : i + 1);
        button.States = 0;
        PadVisible = false;
        setnm(CurrentNumber);
        return;
    }
    if (!pencil.MouseDown()) PadVisible = false;
}

// The pad's buttons and the board's cells act on the press; of them only the pencil box
// has a pressed look to end.
int16_t clsGameIntf::MouseUp() {
    if (PadVisible) {
        pencil.MouseUp();
        return 0;
    }
    ReleaseOptions();
    ReleaseCommands();
    return 0;
}

void clsGameIntf::ReleaseOptions() {
    SwitchState& sw = Switches();
    options[SoundGroup].MouseUp();
    // Stored on every release, changed or not.
    SetSoundOn(options[SoundGroup].value);
    options[MusicGroup].MouseUp();
    // Music restarts only when the choice really changed.
    if (OptionValue(options[MusicGroup]) != sw.MusicOn) SetMusicOn(options[MusicGroup].value);
    options[PadAssistGroup].MouseUp();
    sw.PadAssist = OptionValue(options[PadAssistGroup]);
    options[HighlightGroup].MouseUp();
    sw.HighlightOn = OptionValue(options[HighlightGroup]);
}

// MAIN MENU and SOLUTION ask a question; without one, a paused board redraws at once.
void clsGameIntf::ReleaseCommands() {
    if (commands[SaveGame].MouseUp()) ::SaveGame();
    if (commands[HowToPlay].MouseUp()) Helpsrc().Show();
    if (commands[Pause].MouseUp()) ShowPause();
    if (commands[Print].MouseUp()) ShowPrintForm();
    if (commands[Restart].MouseUp()) RestartDlg = Ask(RestartQuestion);
    if (commands[MainMenu].MouseUp()) {
        MenuDlg = Ask(MenuQuestion);
    } else if (commands[Solution].MouseUp()) {
        SolutionDlg = Ask(SolutionQuestion);
    } else if (Switches().GamePaused) {
        Draw();
    }
}

// The clock's text changes once a second; a new, loaded or restarted game shows its
// reading at once rather than the last game's.
void clsGameIntf::ShowClockReading() {
    const ClockState& c = Clock();
    clock.Settimer(ClockText(c.ct_h, c.ct_m, c.ct_s));
}

void clsGameIntf::SaveShortcut() {
    if (commands[SaveGame].Enabled()) ::SaveGame();
}

void clsGameIntf::DlgRetCallback(int16_t ret) {
    if (ret != 1) return;
    const int32_t id = ConfirmDlg().myid;
    if (id == RestartDlg) {
        RestartGame();
    } else if (id == MenuDlg) {
        ReturnToMenu();
    } else if (id == SolutionDlg) {
        ShowSolution();
    }
}

// The dealt puzzle again, with a fresh clock and hints; the board image, the layout and
// the challenge's progress stay.
void clsGameIntf::RestartGame() {
    Sudoku().CurrentGrid = Sudoku().GivenGrid;
    BuildCells();
    ResetClock();
    Clock().ctimer = true;
    ShowClockReading();
    SelectedCell = -1;
    FlashCell = -1;
    Win = false;
    CurrentNumber = 1;
    for (clsNBtn& button : pad)
        button.States = 0;
    pad[0].States = 2;
    HintsLeft = 3;
    pad[HintButton].Enable = true;
}

// Giving up shows the solution in the cells only: the grid, the clock and a challenge's
// time limit go on as they were, and only MAIN MENU is left to click.
void clsGameIntf::ShowSolution() {
    Switches().SolutionShown = true;
    for (Command c : {SaveGame, HowToPlay, Pause, Print, Restart, Solution})
        commands[c].SetEnabled(false);
    const Grid& solution = Sudoku().SolutionGrid;
    for (int i = 0; i < 81; ++i)
        cells[static_cast<size_t>(i)].setnm(solution[i / 9][i % 9], false);
}

void clsGameIntf::SelectNumber(int16_t inm) {
    const SwitchState& sw = Switches();
    if (sw.SolutionShown || !PadVisible || sw.GamePaused) return;
    for (clsNBtn& button : pad)
        button.States = 0;
    CurrentNumber = inm == 10 ? Eraser : inm;
    PadVisible = false;
    setnm(CurrentNumber);
}

void clsGameIntf::EnterPress() {
    if (!IsCell(CursorCell) || !cells[static_cast<size_t>(CursorCell)].Enabled) return;
    if (Switches().SolutionShown) return;
    OpenPad(CursorCell);
}

// A pad button left hovered when the pad last closed would take the next click wherever
// the pointer is now; only the pressed look of the current choice survives.
void clsGameIntf::OpenPad(int16_t cell) {
    SelectedCell = cell;
    PadVisible = true;
    for (clsNBtn& button : pad) {
        if (button.States == 1) button.States = 0;
    }
}

void clsGameIntf::MoveSelectedGrid(uint8_t direction) {
    if (PadVisible) return;
    if (CursorCell == -1) {
        CursorCell = 0;
        cells[0].OnMove = true;
        return;
    }
    static constexpr std::array<int, 5> Steps{0, 1, -1, 9, -9};
    if (direction < 1 || direction > 4) return;
    const int step = Steps[direction];
    // Given cells are passed over; left and right run on into the next row.
    for (int i = CursorCell + step; i >= 0 && i <= 80; i += step) {
        if (!cells[static_cast<size_t>(i)].Enabled) continue;
        cells[static_cast<size_t>(CursorCell)].OnMove = false;
        cells[static_cast<size_t>(i)].OnMove = true;
        CursorCell = static_cast<int16_t>(i);
        return;
    }
}

void clsGameIntf::FlashChk() {
    if (!IsCell(FlashCell)) return;
    clsMyBtn& cell = cells[static_cast<size_t>(FlashCell)];
    if (cell.Ckframe > 0) --cell.Ckframe;
}

void clsGameIntf::setnm(int16_t num) {
    const int16_t prev = FlashCell;
    // A pencil mark lives only in the cell; hints are never pencilled.
    if (num != Hint && pencil.Chked == 1) {
        if (IsCell(SelectedCell)) cells[static_cast<size_t>(SelectedCell)].setnm(num, true);
        return;
    }
    if (num == Hint) {
        if (HintsLeft <= 0) {
            pad[HintButton].Enable = false;
            return;
        }
        num = GetSolutionDigit(SelectedCell);
        --HintsLeft;
        if (HintsLeft == 0) pad[HintButton].Enable = false;
    }
    PlaceDigit(num, prev);
}

// The cell shows the digit before the completion check, and the check comes last:
// once it finds the grid full it may already have set up the next challenge stage.
void clsGameIntf::PlaceDigit(int16_t num, int16_t prev) {
    if (TryPlaceDigit(SelectedCell, num, FlashCell)) {
        cells[static_cast<size_t>(SelectedCell)].setnm(num, false);
        StopFlash(prev);
        FlashCell = -1;
    } else {
        StopFlash(prev);
        cells[static_cast<size_t>(FlashCell)].Ckframe = 5;
        if (Switches().SoundOn != 0) PlaySound("Click", false);
    }
    FinishIfComplete();
}

void clsGameIntf::StopFlash(int16_t cell) {
    if (IsCell(cell)) cells[static_cast<size_t>(cell)].Ckframe = 0;
}

// Win and the stopped clock belong to the finished board, so they are set before the
// completion sequence, which may go straight on to the next challenge stage.
void clsGameIntf::FinishIfComplete() {
    Win = IsGridFull();
    if (!Win) return;
    Clock().ctimer = false;
    CheckGridComplete();
}
