#include "screens/screenMenu.h"

#include "common/AppState.h"
#include "common/Navigation.h"
#include "common/Sound.h"
#include "draw/Drawing.h"
#include "draw/FrameScope.h"
#include "draw/Shapes.h"
#include "draw/Text.h"
#include "engine/Random.h"

#include <algorithm>
#include <bit>
#include <malloc.h>

namespace {

constexpr int LayerWidth = 800;
constexpr int LayerHeight = 600;
constexpr int ColumnWidth = 16;
constexpr int RowHeight = 18;
constexpr int FilledColumns = 70;
constexpr int SpawnableColumns = 59;
constexpr int DrawnColumns = 60;
static_assert(DrawnColumns <= 64, "a column's moved rows are one bit of a 64-bit row mask");
constexpr int MaxActive = 46;
// Erasing columns wait while this few or fewer are active, so the screen never empties.
constexpr int KeepActive = 20;

constexpr int ShineStep = 16;
constexpr int ShineEnd = 330;
constexpr int TitleLeft = 200;
constexpr int TitleTop = 40;
constexpr int TitleHeight = 55;
constexpr int TitleWidth = 352; // the title and the light past its end

// A rendered glyph reaches this far below its row.
constexpr int GlyphOverhang = 6;

int RandomInt(int range) { return static_cast<int>(Rnd() * range); }

} // namespace

void screenMenu::init() {
    StopSound(MusicAlias());
    const std::string& folder = App().ProgramFolder;
    title = LoadCachedImage(folder + "/res/title.png");
    titleLit = LoadImage(folder + "/res/titlel.png");

    beginGame.init(QStringLiteral("BEGIN GAME"), 250, 40);
    beginGame.SetLocation(240, 120);
    help.init(QStringLiteral("HELP"), 250, 40);
    help.SetLocation(240, 190);
    loadGame.init(QStringLiteral("LOAD GAME"), 250, 40);
    loadGame.SetLocation(240, 260);
    records.init(QStringLiteral("BEST RECORDS"), 250, 40);
    records.SetLocation(240, 330);
    exitGame.init(QStringLiteral("EXIT"), 250, 40);
    exitGame.SetLocation(240, 400);

    Randomize();
    MakeColumns();
    made = true;
    activeCount = 0;
    spawnGate = true;
    reset();
}

// The order of the random draws decides the look of the rain for a given seed.
void screenMenu::MakeColumns() {
    for (int i = 0; i < FilledColumns; ++i) {
        RainColumn& column = columns[i];
        column.length = static_cast<int16_t>(RandomInt(10) + 30);
        column.glyphs.assign(column.length + 1, Glyph{});
        column.active = false;
        column.erasing = false;
        column.row = 0;
        column.layer = static_cast<int16_t>(RoundHalfEven(Rnd() + 1));
        for (Glyph& glyph : column.glyphs) {
            glyph.code = static_cast<int16_t>(RandomInt(10) + 48);
            glyph.brightness = RandomInt(28) + 88 - 30 * column.layer;
        }
    }
}

void screenMenu::reset() {
    if (!layerGraphics) {
        layer = std::make_shared<Picture>(MakeSurface(LayerWidth, LayerHeight));
        layerGraphics = GetImageGraphics(layer);
    }
    SetDrawTarget(*layerGraphics);
    FillRectBlack(0, 0, LayerWidth, LayerHeight);
    RestoreDrawTarget();
    movedEverywhere = true;
}

void screenMenu::BackRedraw(int16_t mode, const void* owner, std::vector<uint32_t> look,
                            std::vector<PartLook> parts, const QRegion& alsoMoving) {
    if (!made) {
        InvalidateFrame(); // the caller draws without its backdrop, as for no plan
        return;
    }
    if (!layerGraphics) reset();
    SetDrawTarget(*layerGraphics);
    SpawnColumn();
    fontLayer = 0;
    for (int i = 0; i < DrawnColumns; ++i) {
        if (mode != 2 && i > KeepActive && i % 2 == mode) continue;
        RainColumn& column = columns[i];
        if (column.active && column.row < column.length) AdvanceColumn(column, i);
    }
    RestoreDrawTarget();
    // A cleared layer changed everywhere.
    if (movedEverywhere) InvalidateFrame();
    PlanFrame(owner, std::move(look), TakeMoved().united(alsoMoving), std::move(parts));
    DrawOpaque(layer, 0, 0);
    // The rows below the layer show black too, not what a screen before drew there.
    FillRectBlack(0, LayerHeight, LayerWidth,
                  static_cast<int16_t>(Drawing().ScreenHeight - LayerHeight));
}

// The painter must let go of the layer before the layer itself goes. The digits' glyphs
// go too, and the memory all of it held goes back to the system at once rather than
// staying with the game while the board is played.
void screenMenu::ReleaseLayer() {
    layerGraphics.reset();
    layer.reset();
    ForgetTextsOnBlack();
    malloc_trim(0);
}

QRect screenMenu::TitleArea() { return {TitleLeft, TitleTop, TitleWidth, TitleHeight}; }

// Columns past the layer's edge fall unseen.
void screenMenu::Moved(int x, int top, int rows) {
    if (x >= LayerWidth) return;
    const int last = std::min((top + rows * RowHeight + GlyphOverhang - 1) / RowHeight,
                              static_cast<int>(movedColumns.size()) - 1);
    for (int row = top / RowHeight; row <= last; ++row)
        movedColumns[static_cast<size_t>(row)] |= uint64_t{1} << (x / ColumnWidth);
}

// Rows that moved alike make one band of the region, each run of columns one rectangle
// in it, which is the form a region is built from without sorting.
QRegion screenMenu::TakeMoved() {
    std::vector<QRect> parts;
    for (size_t row = 0; row < movedColumns.size();) {
        const uint64_t columnsMoved = movedColumns[row];
        size_t end = row + 1;
        while (end < movedColumns.size() && movedColumns[end] == columnsMoved)
            ++end;
        const int top = static_cast<int>(row) * RowHeight;
        const int height = std::min(static_cast<int>(end) * RowHeight, LayerHeight) - top;
        for (uint64_t rest = columnsMoved; rest != 0;) {
            const int first = std::countr_zero(rest);
            const int run = std::countr_one(rest >> first);
            parts.emplace_back(first * ColumnWidth, top, run * ColumnWidth, height);
            rest &= run == 64 ? 0 : ~(((uint64_t{1} << run) - 1) << first);
        }
        row = end;
    }
    movedColumns.fill(0);
    QRegion region;
    region.setRects(parts.data(), static_cast<int>(parts.size()));
    movedEverywhere = false;
    return region;
}

// At most one new column every second frame, and none while the screen is full.
void screenMenu::SpawnColumn() {
    if (activeCount > MaxActive - 1 || !spawnGate) {
        spawnGate = true;
        return;
    }
    int c = RandomInt(SpawnableColumns);
    while (columns[c].active)
        c = RandomInt(SpawnableColumns);
    RainColumn& column = columns[c];
    column.active = true;
    SetFont(QStringLiteral("Arial"), 10.0f - 2.5f * static_cast<float>(column.layer), FontRegular);
    SetTextColor(255, 255, 255, 255);
    DrawTextOnBlack(static_cast<int16_t>(ColumnWidth * c), 0, QChar(column.glyphs[0].code));
    Moved(ColumnWidth * c, 0, 1);
    spawnGate = false;
    activeCount += 1;
    column.row = 1;
}

void screenMenu::AdvanceColumn(RainColumn& column, int index) {
    const int x = ColumnWidth * index;
    SelectRowFont(column.layer);
    if (!column.erasing) {
        GrowColumn(column, x);
    } else if (activeCount > KeepActive) {
        EraseColumn(column, x);
    }
    if (column.row == column.length) {
        const Glyph& last = column.glyphs[column.row - 1];
        SetTextColor(0, last.brightness, 0, 255);
        DrawText(static_cast<int16_t>(x), static_cast<int16_t>(RowHeight * column.row - RowHeight),
                 QChar(last.code));
        Moved(x, RowHeight * column.row - RowHeight, 1);
        column.erasing = true;
        column.row = 0;
    }
}

// A bright head one row further down, and the glyph it leaves behind dimmed to its own
// brightness. Both land on black: the head on a row the column erased before it became
// free, the trail on the row just cleared.
void screenMenu::GrowColumn(RainColumn& column, int x) {
    const int y = RowHeight * column.row;
    SetTextColor(20, 120, 20, 255);
    DrawTextOnBlack(static_cast<int16_t>(x), static_cast<int16_t>(y),
                    QChar(column.glyphs[column.row].code));
    FillRectBlack(static_cast<int16_t>(x), static_cast<int16_t>(y - RowHeight), ColumnWidth,
                  RowHeight);
    const Glyph& trail = column.glyphs[column.row - 1];
    SetTextColor(0, trail.brightness, 0, 255);
    DrawTextOnBlack(static_cast<int16_t>(x), static_cast<int16_t>(y - RowHeight),
                    QChar(trail.code));
    Moved(x, y - RowHeight, 2);
    column.row += 1;
}

void screenMenu::EraseColumn(RainColumn& column, int x) {
    FillRectBlack(static_cast<int16_t>(x), static_cast<int16_t>(RowHeight * column.row),
                  ColumnWidth, RowHeight);
    Moved(x, RowHeight * column.row, 1);
    column.row += 1;
    if (column.row != column.length) return;
    column.active = false;
    column.erasing = false;
    column.row = 0;
    activeCount -= 1;
}

// Fonts are selected only when the layer changes, since selecting one costs more than a
// glyph; the picture is the same.
void screenMenu::SelectRowFont(int16_t layerNo) {
    if (fontLayer == layerNo) return;
    SetFont(QStringLiteral("Arial"), static_cast<float>((7 - layerNo) * 2), FontRegular);
    fontLayer = layerNo;
}

void screenMenu::DrawTitle() {
    DrawCached(title, TitleLeft, TitleTop);
    DrawImagePart(titleLit, TitleLeft + shineOffset, TitleTop, ShineStep, TitleHeight, shineOffset,
                  0);
    shineOffset += ShineStep;
    if (shineOffset > ShineEnd) shineOffset = 0;
}

void screenMenu::Draw() {
    FrameScope frame;
    BackRedraw(2, this, {},
               {beginGame.Part(), help.Part(), loadGame.Part(), records.Part(), exitGame.Part()},
               TitleArea());
    DrawTitle();
    beginGame.Draw();
    loadGame.Draw();
    exitGame.Draw();
    help.Draw();
    records.Draw();
    DrawVersion();
}

void screenMenu::DrawVersion() {
    SetFont(QStringLiteral("Arial"), 12, FontBold);
    SetTextColor(255, 255, 255, 255);
    DrawText(560, 80, QString::fromStdString(App().VersionText));
}

void screenMenu::MouseMove(int16_t X, int16_t Y) {
    beginGame.MouseMove(X, Y);
    help.MouseMove(X, Y);
    loadGame.MouseMove(X, Y);
    records.MouseMove(X, Y);
    exitGame.MouseMove(X, Y);
}

void screenMenu::MouseDown(int16_t /*button*/) {
    beginGame.MouseDown();
    help.MouseDown();
    loadGame.MouseDown();
    records.MouseDown();
    exitGame.MouseDown();
    Draw();
}

// A game that was loaded goes straight to its board; a cancelled or refused load leaves
// the title as it was.
void screenMenu::MouseUp() {
    if (beginGame.MouseUp()) {
        Navigator().Show(OptionsScreen);
        return;
    }
    if (records.MouseUp()) {
        Navigator().Show(RecordsScreen);
        return;
    }
    // Help and the open dialog come back to this screen with the pointer elsewhere.
    if (help.MouseUp()) {
        help.Rest();
        Navigator().Show(HelpScreen);
    }
    if (exitGame.MouseUp()) {
        // The shutdown releases the drawing surface: nothing may draw after it.
        Navigator().Exit();
        return;
    }
    if (loadGame.MouseUp()) {
        loadGame.Rest();
        if (Navigator().OpenSavedGame({})) return;
    }
    Draw();
}
