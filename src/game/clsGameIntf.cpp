#include "game/clsGameIntf.h"

#include "common/AppState.h"
#include "common/GameClock.h"
#include "common/Navigation.h"
#include "common/ScreenId.h"
#include "common/Sound.h"
#include "common/Switches.h"
#include "draw/FramePlan.h"
#include "draw/FrameScope.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "engine/GameSettings.h"
#include "engine/Grading.h"
#include "persist/SavedGames.h"

#include <utility>

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

// A clashing cell flashes through five steps, one every second tick.
constexpr int FlashSteps = 5;

bool IsCell(int i) { return i >= 0 && i <= 80; }

const Question RestartQuestion{"Restart", "Do you want to restart game?"};
const Question MenuQuestion{"Return", "Return to Main menu will end this game.\r\nReturn?"};
const Question SolutionQuestion{"Show Solution", "Give up to show solution. \r\nOK?"};

// "GRADE: GENTLE"; a puzzle with several answers says so in words.
QString GradeCaption(const Puzzle& puzzle) {
    const Grade grade = GradePuzzle(puzzle.givens, puzzle.layout).grade;
    const QString name = grade == Grade::Several ? QStringLiteral("several answers")
                                                 : QString::fromLatin1(GradeName(grade));
    return QStringLiteral("GRADE: ") + name.toUpper();
}

uint8_t OptionValue(const clsRadios& group) { return static_cast<uint8_t>(1 - group.value); }

constexpr QPoint TimeLeftAt{25, 50};
constexpr QRect TimeLeftBar{30, 25, 150, 10};

QString TimeLeftText(int remaining) {
    return "Left time:" + QString::number(remaining) + " Second";
}

// The grade above the board and a challenge's time left.
void UseCaptionFont() { SetFont("Arial Black", 10, FontRegular); }

} // namespace

void clsGameIntf::init(GameModel dealt) {
    game = std::move(dealt);
    gradeText = GradeCaption(game.ThePuzzle());
    flow.Begin();
    Switches().PadAssist = 0;
    Switches().SolutionShown = false;
    Switches().GamePaused = false;
    const std::string& folder = App().ProgramFolder;
    board.init(folder, game, Settings().PuzzleType != 0);
    pad.init(folder);
    BuildCommands();
    BuildOptions();
    ShowOptions();
    clock.SetLocation(25, 13);
    ShowClockReading();
    CursorCell = -1;
    SelectedCell = -1;
    FlashCell = -1;
    keyboardMovedLast = false;
    HideStep();
    InvalidateFrame(); // the board's background is new
    RestartMusic();
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

void clsGameIntf::ShowOptions() {
    const SwitchState& sw = Switches();
    options[SoundGroup].setvalue(static_cast<int16_t>(1 - sw.SoundOn));
    options[MusicGroup].setvalue(static_cast<int16_t>(1 - sw.MusicOn));
    options[PadAssistGroup].setvalue(static_cast<int16_t>(1 - sw.PadAssist));
    options[HighlightGroup].setvalue(static_cast<int16_t>(1 - sw.HighlightOn));
}

void clsGameIntf::Reload() { flow.FinishIfComplete(game); }

// Only the scan line moves on a board left alone: while nothing else looks different, a
// frame draws just the strips where the line was and is, and the widgets and cells that
// look different.
void clsGameIntf::Draw() {
    FrameScope frame;
    MarkBoard();
    const DigitSet padDigits = PadDigits();
    const DigitSet finished = FinishedDigits();
    PlanFrame(this, FrameLook(), board.Moved(), FrameParts(padDigits, finished));
    board.Draw(Switches().GamePaused);
    for (clsButton& command : commands)
        command.Draw();
    for (clsRbtn& radio : radios)
        radio.Draw();
    stepPanel.Draw();
    if (pad.IsOpen()) pad.Draw(padDigits, finished, game.HintsLeft());

    // Above the board, left of the game's name, in its green.
    UseCaptionFont();
    SetTextColor(150, 210, 130, 255);
    DrawText(BoardView::Left, 10, gradeText);
    SetTextColor(255, 255, 255, 255);
    if (Settings().TrainingMode) {
        clock.Draw();
    } else {
        DrawTimeLeft();
    }
    SetFont("Arial", 11, FontRegular);
    SetTextColor(255, 255, 255, 255);
}

// What changes the whole board's look; a dialog over the board adds its own look to it.
// A shown step's marks on the cells come and go with its panel.
std::vector<uint32_t> clsGameIntf::FrameLook() const {
    return {Switches().GamePaused, static_cast<uint32_t>(App().CurrentScreen), Switches().PadAssist,
            stepPanel.IsShown(), Settings().TrainingMode};
}

// What changes only where it stands: the widgets, the cells, the pad, the clock and a
// challenge's time left.
std::vector<PartLook> clsGameIntf::FrameParts(DigitSet padDigits, DigitSet finished) const {
    std::vector<PartLook> parts;
    for (const clsButton& command : commands)
        parts.push_back(command.Part());
    for (const clsRbtn& radio : radios)
        parts.push_back(radio.Part());
    board.AddParts(parts);
    parts.push_back(pad.Part(padDigits, finished, game.HintsLeft()));
    if (Settings().TrainingMode) {
        parts.push_back(clock.Part());
    } else {
        parts.push_back({static_cast<uint64_t>(flow.StageSeconds()), TimeLeftArea()});
    }
    return parts;
}

// With pad assist on, the pad offers only digits that do not clash.
DigitSet clsGameIntf::PadDigits() const {
    if (Switches().PadAssist == 0) return AllDigits;
    DigitSet allowed = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        if (game.ClashFor(SelectedCell, digit) == -1) allowed |= DigitBit(digit);
    }
    return allowed;
}

// A digit that stands nine times is finished.
DigitSet clsGameIntf::FinishedDigits() const {
    std::array<int, 10> count{};
    for (int cell = 0; cell < 81; ++cell)
        ++count[game.Digit(cell)];
    DigitSet finished = 0;
    for (int digit = 1; digit <= 9; ++digit) {
        if (count[digit] == 9) finished |= DigitBit(digit);
    }
    return finished;
}

// With highlight on, the cursor's row, column and region light up, and the digit under the
// pointer (or the cursor the keys moved) elsewhere; with it off, a frame shows where the
// keys moved the cursor.
void clsGameIntf::MarkBoard() {
    if (Switches().HighlightOn != 0) {
        board.Highlight(CursorCell, game.ThePuzzle().layout);
        board.TintSameDigit(keyboardMovedLast ? CursorCell : board.PointerCell());
    } else if (keyboardMovedLast) {
        board.FrameCursor(CursorCell);
    }
}

int clsGameIntf::SecondsLeft() const { return StageTimeAllowed() - flow.StageSeconds(); }

QRect clsGameIntf::TimeLeftArea() const {
    UseCaptionFont();
    return TextArea(TimeLeftAt.x(), TimeLeftAt.y(), TimeLeftText(SecondsLeft()))
        .united(TimeLeftBar);
}

void clsGameIntf::DrawTimeLeft() {
    const int limit = StageTimeAllowed();
    const int remaining = SecondsLeft();
    DrawText(TimeLeftAt.x(), TimeLeftAt.y(), TimeLeftText(remaining));
    const float fraction =
        limit > 0 ? static_cast<float>(remaining) / static_cast<float>(limit) : 0.0f;
    DrawProgressBar(TimeLeftBar.x(), TimeLeftBar.y(), TimeLeftBar.width(), TimeLeftBar.height(),
                    fraction);
}

void clsGameIntf::MouseMove(int16_t X, int16_t Y) {
    if (pad.IsOpen()) {
        pad.MouseMove(X, Y);
        return;
    }
    for (clsButton& command : commands)
        command.MouseMove(X, Y);
    // The options under a shown step take no pointer.
    const bool underStep = stepPanel.Contains(X, Y);
    for (clsRadios& group : options)
        group.MouseMove(underStep ? -1 : X, underStep ? -1 : Y);
    // The cursor the keys moved stays until the pointer comes over the board.
    pointerOnBoard = board.CellAt(X, Y) != -1;
    if (keyboardMovedLast && !pointerOnBoard) return;
    keyboardMovedLast = false;
    CursorCell = static_cast<int16_t>(board.MouseMove(X, Y));
}

void clsGameIntf::MouseDown(int16_t Button) {
    if (pad.IsOpen()) {
        Choose(pad.MouseDown(Button));
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
    // A click on the board puts a shown step away before it opens the pad again.
    if (stepPanel.IsShown() && board.PointerCell() != -1) {
        HideStep();
        return;
    }
    // A click off the board is for what lies under the pointer, not the keys' cursor.
    if (keyboardMovedLast && !pointerOnBoard) return;
    if (const int cell = board.MouseDown(); cell != -1) OpenPad(cell);
}

// The pad's buttons and the board's cells act on the press; of them only the pencil box
// has a pressed look to end.
void clsGameIntf::MouseUp() {
    if (pad.IsOpen()) {
        pad.MouseUp();
        return;
    }
    ReleaseOptions();
    ReleaseCommands();
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
// Every command opens a window, a dialog or another screen, and the board shows again with
// the pointer elsewhere, so the clicked button rests.
void clsGameIntf::ReleaseCommands() {
    if (commands[SaveGame].MouseUp()) ::SaveGame(game);
    Navigation& go = Navigator();
    if (commands[HowToPlay].MouseUp()) go.Show(HelpScreen);
    if (commands[Pause].MouseUp()) go.Show(PauseDialog);
    if (commands[Print].MouseUp()) go.Print(game.ThePuzzle());
    if (commands[Restart].MouseUp()) go.Ask(RestartQuestion, [this] { RestartGame(); });
    if (commands[MainMenu].MouseUp()) {
        go.Ask(MenuQuestion, [&go] { go.ReturnToMenu(); });
    } else if (commands[Solution].MouseUp()) {
        go.Ask(SolutionQuestion, [this] { ShowSolution(); });
    } else if (Switches().GamePaused) {
        Draw();
    }
    for (clsButton& command : commands)
        command.Rest();
}

// The clock's text changes once a second; a new, loaded or restarted game shows its
// reading at once rather than the last game's.
void clsGameIntf::ShowClockReading() {
    const ClockState& c = Clock();
    clock.SetText(clsNumber::ClockText(c.ct_h, c.ct_m, c.ct_s));
}

void clsGameIntf::ClockSecond(int hours, int minutes, int seconds) {
    if (Settings().TrainingMode)
        clock.SetText(clsNumber::ClockText(hours, minutes, seconds));
    else
        flow.StageClock(minutes * 60 + seconds);
}

void clsGameIntf::SaveShortcut() {
    if (commands[SaveGame].Enabled()) ::SaveGame(game);
}

// The dealt puzzle again, with a fresh clock and hints; the board image, the layout and
// the challenge's progress stay.
void clsGameIntf::RestartGame() {
    game.Restart();
    HideStep();
    board.Flash(FlashCell, 0);
    board.ShowPosition(game);
    Switches().SolutionShown = false;
    flow.Begin();
    ResetClock();
    Clock().ctimer = true;
    ShowClockReading();
    SelectedCell = -1;
    FlashCell = -1;
    pad.PressFirstDigit();
}

// Giving up shows the solution in the cells only: the clock and a challenge's time limit go
// on as they were, and only MAIN MENU is left to click.
void clsGameIntf::ShowSolution() {
    Switches().SolutionShown = true;
    for (Command c : {SaveGame, HowToPlay, Pause, Print, Restart, Solution})
        commands[c].SetEnabled(false);
    game.GiveUp();
    HideStep();
    board.ShowPosition(game);
}

void clsGameIntf::SelectNumber(int16_t inm) {
    const SwitchState& sw = Switches();
    if (sw.SolutionShown || !pad.IsOpen() || sw.GamePaused) return;
    Choose(pad.Key(inm));
}

void clsGameIntf::EnterPress() {
    if (!IsCell(CursorCell) || !Cell(CursorCell).Enabled) return;
    if (Switches().SolutionShown) return;
    OpenPad(CursorCell);
}

void clsGameIntf::OpenPad(int cell) {
    SelectedCell = static_cast<int16_t>(cell);
    pad.Open(board.Cell(cell).getLOC_x(), board.Cell(cell).getLOC_y());
}

void clsGameIntf::MoveSelectedGrid(uint8_t direction) {
    if (pad.IsOpen()) return;
    keyboardMovedLast = true;
    if (CursorCell == -1) {
        CursorCell = 0;
        board.MarkCursor(-1, 0);
        return;
    }
    static constexpr std::array<int, 5> Steps{0, 1, -1, 9, -9};
    if (direction < 1 || direction > 4) return;
    const int step = Steps[direction];
    // Given cells are passed over; left and right run on into the next row.
    for (int i = CursorCell + step; i >= 0 && i <= 80; i += step) {
        if (!Cell(i).Enabled) continue;
        board.MarkCursor(CursorCell, i);
        CursorCell = static_cast<int16_t>(i);
        return;
    }
}

// A digit lands in the cell or, with the pencil on, toggles among its marks; the eraser
// clears entry and marks alike. A refused digit flashes the cell that holds it.
void clsGameIntf::Choose(const NumberPad::Press& press) {
    if (!IsCell(SelectedCell)) return;
    switch (press.choice) {
    case NumberPad::Choice::None: return;
    case NumberPad::Choice::Eraser: Changed(game.Play({Move::Kind::Erase, SelectedCell})); return;
    case NumberPad::Choice::Digit:
        Changed(game.Play(
            {pad.PencilOn() ? Move::Kind::Mark : Move::Kind::Enter, SelectedCell, press.digit}));
        return;
    case NumberPad::Choice::Hint:
        // A hint refused for a wrong entry flashes that entry instead.
        const GameModel::HintOutcome hint = game.Hint(SelectedCell);
        Changed({hint.placed ? std::optional(game.Now()) : std::nullopt, hint.wrongCell});
        return;
    }
}

// The cell shows the digit before the completion check, and the check comes last:
// once it finds the grid full it may already have set up the next challenge stage.
void clsGameIntf::Changed(const MoveOutcome& outcome) {
    board.Flash(FlashCell, 0);
    FlashCell = static_cast<int16_t>(outcome.clash);
    if (IsCell(FlashCell)) {
        board.Flash(FlashCell, FlashSteps);
        if (Switches().SoundOn != 0) PlaySound("Click", false);
    }
    if (!outcome.after) return;
    HideStep();
    board.ShowPosition(game);
    flow.FinishIfComplete(game);
}

void clsGameIntf::Undo() {
    pad.Close();
    if (!game.Undo()) return;
    HideStep();
    board.ShowPosition(game);
}

void clsGameIntf::Redo() {
    pad.Close();
    if (game.Redo()) Changed({game.Now(), -1});
}

void clsGameIntf::FillCandidates() {
    if (!Settings().TrainingMode) return;
    pad.Close();
    Changed(game.Play({Move::Kind::FillCandidates}));
}

// A step is worked out from the digits on the board alone, so the player's marks never
// mislead it; it places nothing and costs nothing.
void clsGameIntf::ToggleStep() {
    if (stepPanel.IsShown()) {
        HideStep();
        return;
    }
    if (!Settings().TrainingMode || !game.InPlay()) return;
    pad.Close();
    const Advice advice = NextAdvice(game);
    board.ShowAdvice(advice, game.ThePuzzle().layout);
    stepPanel.Show(DescribeAdvice(advice));
}

void clsGameIntf::HideStep() {
    stepPanel.Hide();
    board.HideAdvice();
}
