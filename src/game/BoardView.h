#pragma once

#include "draw/Picture.h"
#include "model/Advice.h"
#include "model/GameModel.h"
#include "widgets/clsMyBtn.h"

#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The board as the player sees it: the background with its region shades, the 81 cells,
// the scan line sweeping over them and the highlight of a cell's row, column and region.
// The cells keep what they show, so the game screen can tell when a frame changes more
// than the scan line.
class BoardView {
public:
    static constexpr int Left = 222;
    static constexpr int Top = 38;
    static constexpr int CellPitch = 60;

    // The board of a new or loaded game: the cells of its givens, shaded by region.
    void init(const std::string& programFolder, const GameModel& game, bool nonomino);
    // What every cell shows: the position, or the solution once the player gave up.
    void ShowPosition(const GameModel& game);

    // Looks for the next frame only. The cells that light up with cell: its row, column and
    // region. Every other cell holding the digit of cell, tinted, and so is that digit
    // among marks. A frame round the cell the arrow keys moved to.
    void Highlight(int cell, const LayoutRows& layout);
    void TintSameDigit(int cell);
    void FrameCursor(int cell);
    // Marks a step on the board until it is hidden: the cell it fills, framed, the houses
    // that make it so and the cells whose candidates it clears; or the entry to blame.
    void ShowAdvice(const Advice& advice, const LayoutRows& layout);
    void HideAdvice();
    // The part of the board that moves on its own since the last frame: the scan line.
    QRegion Moved();
    // Background, scan line and cells; a paused board hides every digit.
    void Draw(bool paused);

    // The editable cell under the pointer, or -1; given cells never answer.
    int MouseMove(int16_t x, int16_t y);
    // The cell under the pointer, given or not, or -1.
    int PointerCell() const { return pointerCell; }
    // The cell at a point, given or not, or -1.
    int CellAt(int16_t x, int16_t y) const;
    // The editable cell under the pointer that the press opens the pad on, or -1.
    int MouseDown() const;
    // The keyboard moves the pointer's mark from cell to cell.
    void MarkCursor(int from, int to);

    // Counts a clashing cell's flash down, one step a call.
    void Flash(int cell, int steps);
    void FlashTick(int cell);

    void AddParts(std::vector<PartLook>& parts) const;
    const clsMyBtn& Cell(int i) const { return cells[i]; }

private:
    void DrawScanLine();

    struct StepMark {
        Color fill = 0;
        Color frame = 0;
    };

    std::array<clsMyBtn, 81> cells;
    std::array<StepMark, 81> stepMarks{};
    int pointerCell = -1;
    ImageHandle scanDownImage;
    ImageHandle scanUpImage;
    int scanLineOffset = 0;
    int scanLineStep = 1;
    // Where the scan line's strip was drawn in the last frame.
    QRect drawnStrip;
};
