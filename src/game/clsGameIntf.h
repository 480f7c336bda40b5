#pragma once

#include "draw/Picture.h"
#include "shell/Screen.h"
#include "widgets/clsButton.h"
#include "widgets/clsMyBtn.h"
#include "widgets/clsNBtn.h"
#include "widgets/clsNumber.h"
#include "widgets/clsRadios.h"
#include "widgets/clsRbtn.h"
#include "widgets/clschkbox.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The game screen: board, pop-up number pad, command buttons, options and clock.
class clsGameIntf : public Screen {
public:
    int16_t TC = 0;   // seconds used in the current challenge stage
    bool Win = false; // the grid is complete

    void CONSTinit();
    // Sets up a dealt or loaded puzzle: widgets, board image, hints, music.
    void init();
    // After a load: a grid that was saved complete is already won, and its completion
    // runs at once.
    void Reload();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    void MouseDown(int16_t Button) override;
    int16_t MouseUp() override;

    // Digit keys 1..9; 10 is the eraser (Space, ':').
    void SelectNumber(int16_t inm);
    void EnterPress();
    // 1 right, 2 left, 3 down, 4 up.
    void MoveSelectedGrid(uint8_t direction);
    void Settimer(const QString& txt) { clock.Settimer(txt); }
    void SetTC(int16_t k);
    void FlashChk();
    // The answer to one of the board's questions: 1 "OK", 2 "Cancel".
    void DlgRetCallback(int16_t ret);
    // Ctrl+S: saves as the SAVE GAME button does, and only while that button is enabled.
    void SaveShortcut();

    // Read-only views for tests.
    int16_t Cursor() const { return CursorCell; }
    int16_t Selected() const { return SelectedCell; }
    bool PadOpen() const { return PadVisible; }
    int16_t Hints() const { return HintsLeft; }
    bool PencilMode() const { return pencil.Chked != 0; }
    const clsMyBtn& Cell(int i) const { return cells[static_cast<size_t>(i)]; }
    const clsNBtn& PadButton(int i) const { return pad[static_cast<size_t>(i)]; }
    bool CommandEnabled(int i) const { return commands[static_cast<size_t>(i)].Enabled(); }

private:
    // Command buttons in the order they stand on screen.
    enum Command { SaveGame, Pause, Print, Restart, Solution, MainMenu, HowToPlay, CommandCount };
    // Option groups; "ON" is index 0 and "OFF" index 1 in each.
    enum Option { SoundGroup, MusicGroup, PadAssistGroup, HighlightGroup, OptionCount };
    // Pad choices beyond the digits.
    static constexpr int16_t Eraser = 0;
    static constexpr int16_t Hint = 11;
    static constexpr int EraserButton = 9;
    static constexpr int HintButton = 10;

    void LoadImages();
    void EnsureSolution();
    void BuildCommands();
    void BuildOptions();
    void BuildCells();
    void BuildPad();
    void PrerenderBoard();

    void DrawBase();
    void DrawCells();
    std::vector<uint32_t> FrameLook() const;
    void DrawScanLine();
    void DrawNumPad();
    void DrawHeighlight();
    void DrawTimeLeft();

    void PadClosedDown();
    void PadOpenDown(int16_t Button);
    void ReleaseOptions();
    void ReleaseCommands();
    void RestartGame();
    void ShowClockReading();
    void ShowSolution();

    void setnm(int16_t num);
    void PlaceDigit(int16_t num, int16_t prev);
    void FinishIfComplete();
    void OpenPad(int16_t cell);
    void StopFlash(int16_t cell);

    std::array<QPoint, 12> PadPos{};
    bool padPosFilled = false;

    int16_t CursorCell = -1;
    int16_t SelectedCell = -1;
    bool PadVisible = false;
    int16_t CurrentNumber = 1;
    int16_t FlashCell = -1;
    int16_t HintsLeft = 3;
    int16_t ScanLineOffset = 0;
    int16_t ScanLineStep = 1;

    // Tickets of the open questions; 0 is never issued.
    int32_t RestartDlg = 0;
    int32_t MenuDlg = 0;
    int32_t SolutionDlg = 0;

    std::array<clsButton, CommandCount> commands;
    std::array<clsRbtn, 2 * OptionCount> radios;
    std::array<clsRadios, OptionCount> options;
    std::array<clsMyBtn, 81> cells;
    std::array<clsNBtn, 11> pad;
    clschkbox pencil;
    clsNumber clock;

    std::string surfaceName;
    ImageHandle padImage;
    ImageHandle scanDownImage;
    ImageHandle scanUpImage;

    // Where the scan line's strip was drawn in the last frame.
    QRect drawnStrip;
};
