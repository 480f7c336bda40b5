#include "game/BoardView.h"

#include "draw/BoardPalette.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "engine/Layout.h"

namespace {

constexpr int16_t CellSize = 58;

// The scan line sweeps down a pixel per frame and back up three.
constexpr int ScanDown = 1;
constexpr int ScanUp = -3;
constexpr int ScanLowest = 510;
constexpr int ScanHighest = 22;
constexpr int ScanLineWidth = 540;
constexpr int ScanLineHeight = 20;

bool InMiddleThird(int i) { return i >= 3 && i <= 5; }

} // namespace

void BoardView::init(const std::string& programFolder, const GameModel& game, bool nonomino) {
    GameImages& shared = TheGameImages();
    shared.Background = LoadImage(programFolder + "/res/newmain.png");
    shared.Surface = LoadImage(programFolder + "/res/surf/sea/222.bmp");
    scanDownImage = LoadCachedImage(programFolder + "/res/ln.png");
    scanUpImage = LoadCachedImage(programFolder + "/res/ln1.png");
    LoadBlockImages(programFolder);

    const LayoutRows& layout = game.ThePuzzle().layout;
    for (int cell = 0; cell < 81; ++cell) {
        const int r = cell / 9;
        const int c = cell % 9;
        // Regular boards alternate two shades box by box.
        const auto shade = static_cast<uint8_t>(nonomino ? RegionOf(layout, cell) + 1
                                                         : InMiddleThird(r) != InMiddleThird(c));
        clsMyBtn& shown = cells[cell];
        shown.init(CellSize, CellSize, static_cast<int16_t>(CellOf(game.ThePuzzle().givens, cell)),
                   shade, nonomino);
        shown.SetLocation(static_cast<int16_t>(Left + CellPitch * c),
                          static_cast<int16_t>(Top + CellPitch * r));
    }
    pointerCell = -1;
    ShowPosition(game);
    // The shades never change during a game, so they are painted into the background
    // once instead of every frame.
    if (const auto board = GetImageGraphics(shared.Background)) {
        for (const clsMyBtn& cell : cells)
            cell.DrawTospeedBuffer(*board);
    }
    scanLineStep = ScanDown;
}

void BoardView::ShowPosition(const GameModel& game) {
    const Grid& solution = game.ThePuzzle().solution;
    for (int cell = 0; cell < 81; ++cell) {
        if (game.GivenUp())
            cells[cell].SetContent(CellOf(solution, cell), 0);
        else
            cells[cell].SetContent(game.Digit(cell), game.Marks(cell));
    }
}

void BoardView::Highlight(int cell, const LayoutRows& layout) {
    if (cell < 0 || cell > 80) return;
    for (int other = 0; other < 81; ++other) {
        if (other == cell || AreNeighbours(layout, cell, other)) cells[other].DrawH();
    }
}

void BoardView::TintSameDigit(int cell) {
    if (cell < 0 || cell > 80 || cells[cell].Digit() == 0) return;
    for (int other = 0; other < 81; ++other) {
        if (other != cell) cells[other].Tint(cells[cell].Digit());
    }
}

void BoardView::FrameCursor(int cell) {
    if (cell >= 0 && cell <= 80) cells[cell].FrameAsCursor();
}

QRegion BoardView::Moved() {
    const QRect strip(Left, Top + scanLineOffset, ScanLineWidth, ScanLineHeight);
    QRegion moved = QRegion(strip).united(drawnStrip);
    drawnStrip = strip;
    return moved;
}

void BoardView::ShowAdvice(const Advice& advice, const LayoutRows& layout) {
    HideAdvice();
    const auto markHouse = [&](const House& house, StepMark mark) {
        for (int cell = 0; cell < 81; ++cell) {
            const bool inside = house.kind == HouseKind::Row ? cell / 9 == house.index
                                : house.kind == HouseKind::Column
                                    ? cell % 9 == house.index
                                    : RegionOf(layout, cell) == house.index;
            if (inside) stepMarks[cell] = mark;
        }
    };
    if (advice.kind == Advice::Kind::WrongEntry) {
        stepMarks[advice.cell] = {BoardPalette::StepCleared, BoardPalette::StepClearedFrame};
        return;
    }
    if (advice.kind != Advice::Kind::Step) return;
    const LogicStep& step = advice.step;
    for (const Elimination& elimination : step.eliminations) {
        for (const House& house : elimination.houses)
            markHouse(house, {BoardPalette::StepHouse, BoardPalette::StepHouseFrame});
    }
    for (const House& house : step.houses)
        markHouse(house, {BoardPalette::StepHouse, BoardPalette::StepHouseFrame});
    for (const Elimination& elimination : step.eliminations) {
        for (const CellDigit& cleared : elimination.cleared)
            stepMarks[cleared.cell] = {BoardPalette::StepCleared, BoardPalette::StepClearedFrame};
    }
    stepMarks[step.cell] = {BoardPalette::StepCell, BoardPalette::StepCellFrame};
}

void BoardView::HideAdvice() { stepMarks = {}; }

void BoardView::Draw(bool paused) {
    for (int cell = 0; cell < 81; ++cell) {
        cells[cell].Mark(stepMarks[cell].fill, stepMarks[cell].frame);
    }
    DrawBackground(TheGameImages().Background);
    DrawScanLine();
    for (clsMyBtn& cell : cells)
        cell.Draw(paused);
}

void BoardView::DrawScanLine() {
    if (scanLineStep == ScanDown && scanLineOffset > ScanLowest) scanLineStep = ScanUp;
    if (scanLineStep == ScanUp && scanLineOffset < ScanHighest) scanLineStep = ScanDown;
    DrawCached(scanLineStep == ScanDown ? scanDownImage : scanUpImage, Left, Top + scanLineOffset);
    scanLineOffset += scanLineStep;
}

int BoardView::MouseMove(int16_t x, int16_t y) {
    int under = -1;
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell].MouseMove(x, y)) under = cell;
    }
    pointerCell = CellAt(x, y);
    return under;
}

int BoardView::CellAt(int16_t x, int16_t y) const {
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell].Contains(x, y)) return cell;
    }
    return -1;
}

int BoardView::MouseDown() const {
    for (int cell = 0; cell < 81; ++cell) {
        if (cells[cell].MouseDown()) return cell;
    }
    return -1;
}

void BoardView::MarkCursor(int from, int to) {
    if (from >= 0 && from <= 80) cells[from].OnMove = false;
    cells[to].OnMove = true;
}

void BoardView::Flash(int cell, int steps) {
    if (cell >= 0 && cell <= 80) cells[cell].flashStep = steps;
}

void BoardView::FlashTick(int cell) {
    if (cell >= 0 && cell <= 80 && cells[cell].flashStep > 0) --cells[cell].flashStep;
}

void BoardView::AddParts(std::vector<PartLook>& parts) const {
    for (const clsMyBtn& cell : cells)
        parts.push_back(cell.Part());
}
