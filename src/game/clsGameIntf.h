#pragma once

#include "common/Screen.h"
#include "game/BoardView.h"
#include "game/GameFlow.h"
#include "game/NumberPad.h"
#include "game/StepPanel.h"
#include "model/GameModel.h"
#include "widgets/clsButton.h"
#include "widgets/clsNumber.h"
#include "widgets/clsRadios.h"
#include "widgets/clsRbtn.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The game screen: where the board, the pad, the commands, the options and the clock stand,
// and what the pointer and the keys do there. The game itself is the model it holds.
class clsGameIntf : public Screen {
public:
    // Sets up a dealt or loaded game: widgets, board, hints, music.
    void init(GameModel game);
    // After a load: a grid that was saved complete is already won, and its completion
    // runs at once.
    void Reload();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t Button) override;
    void MouseUp() override;

    // Digit keys 1..9; 10 is the eraser (Space, ':').
    void SelectNumber(int16_t inm);
    void EnterPress();
    // 1 right, 2 left, 3 down, 4 up.
    void MoveSelectedGrid(uint8_t direction);
    void Undo();
    void Redo();
    // Marks every empty cell with the digits it can take; a challenge stage is a test, so
    // there it does nothing.
    void FillCandidates();
    // Shows the next logical step over the board, or hides the one shown; not in a
    // challenge stage either.
    void ToggleStep();
    // Each clock second: the clock's text in training, the stage's time in a challenge.
    void ClockSecond(int hours, int minutes, int seconds);
    void FlashTick() { board.FlashTick(FlashCell); }
    // Ctrl+S: saves as the SAVE GAME button does, and only while that button is enabled.
    void SaveShortcut();

    const GameModel& Model() const { return game; }
    bool Won() const { return flow.Won(); }
    int StageSeconds() const { return flow.StageSeconds(); }
    // Read-only views for tests.
    int16_t Cursor() const { return CursorCell; }
    int16_t Selected() const { return SelectedCell; }
    bool PadOpen() const { return pad.IsOpen(); }
    bool PencilMode() const { return pad.PencilOn(); }
    const clsMyBtn& Cell(int i) const { return board.Cell(i); }
    bool CommandEnabled(int i) const { return commands[static_cast<size_t>(i)].Enabled(); }
    const StepPanel& ShownStep() const { return stepPanel; }

private:
    // Command buttons in the order they stand on screen.
    enum Command { SaveGame, Pause, Print, Restart, Solution, MainMenu, HowToPlay, CommandCount };
    // Option groups; "ON" is index 0 and "OFF" index 1 in each.
    enum Option { SoundGroup, MusicGroup, PadAssistGroup, HighlightGroup, OptionCount };

    void BuildCommands();
    void BuildOptions();
    void ShowOptions();

    std::vector<uint32_t> FrameLook() const;
    // Given the pad's digits and the finished ones, which a frame works out once.
    std::vector<PartLook> FrameParts(DigitSet padDigits, DigitSet finished) const;
    int SecondsLeft() const;
    QRect TimeLeftArea() const;
    DigitSet PadDigits() const;
    DigitSet FinishedDigits() const;
    void MarkBoard();
    void DrawTimeLeft();

    void PadClosedDown();
    void ReleaseOptions();
    void ReleaseCommands();
    void RestartGame();
    void ShowClockReading();
    void ShowSolution();

    void Choose(const NumberPad::Press& press);
    void HideStep();
    void Changed(const MoveOutcome& outcome);
    void OpenPad(int cell);

    GameModel game;
    BoardView board;
    NumberPad pad;
    GameFlow flow;
    StepPanel stepPanel;
    QString gradeText; // how hard the dealt puzzle is to solve by reasoning

    int16_t CursorCell = -1;
    int16_t SelectedCell = -1;
    int16_t FlashCell = -1;
    // The arrow keys, not the pointer, moved the cursor last.
    bool keyboardMovedLast = false;
    bool pointerOnBoard = false;

    std::array<clsButton, CommandCount> commands;
    std::array<clsRbtn, 2 * OptionCount> radios;
    std::array<clsRadios, OptionCount> options;
    clsNumber clock;
};
