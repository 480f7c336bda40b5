#pragma once

#include "common/Screen.h"
#include "draw/Graphics.h"
#include "draw/Picture.h"
#include "widgets/clsButton.h"

#include <QRect>
#include <QRegion>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The title screen: a lit title, five buttons, the version, and the falling digits that
// the options, records, help and loading screens draw behind themselves too.
class screenMenu : public Screen {
public:
    void init();
    // Clears the falling-digit layer to black, making it first if it was let go.
    void reset();
    // Lets the layer go while no screen with falling digits is shown; the next one that
    // draws them starts from black.
    void ReleaseLayer();
    void DrawTitle();
    void Draw() override;
    void MouseMove(int16_t X, int16_t Y) override;
    // Advances the falling digits one frame and draws them as the backdrop of owner's
    // frame: whole when owner looked different last frame, else only where digits moved,
    // over alsoMoving and where parts look different, with the rest of the frame kept
    // inside that too. Mode 2 moves every column; any other mode holds the columns past 20
    // whose parity equals it. Every screen passes 2. Called inside a FrameScope that covers
    // the owner's drawing.
    void BackRedraw(int16_t mode, const void* owner, std::vector<uint32_t> look,
                    std::vector<PartLook> parts, const QRegion& alsoMoving = QRegion());
    // Where the title and its moving light lie.
    static QRect TitleArea();
    void MouseDown(int16_t button) override;
    void MouseUp() override;

    int ActiveCount() const { return activeCount; }
    int ShineOffset() const { return shineOffset; }

private:
    struct Glyph {
        int16_t code = 48;
        int32_t brightness = 0;
    };
    struct RainColumn {
        std::vector<Glyph> glyphs; // length + 1 entries
        int16_t layer = 1;         // 1 near, 2 far
        int16_t length = 0;
        bool active = false;
        bool erasing = false;
        int16_t row = 0;
    };

    void MakeColumns();
    void SpawnColumn();
    void AdvanceColumn(RainColumn& column, int index);
    void GrowColumn(RainColumn& column, int x);
    void EraseColumn(RainColumn& column, int x);
    void SelectRowFont(int16_t layer);
    // Marks rows of a column as drawn since the last frame.
    void Moved(int x, int top, int rows);
    QRegion TakeMoved();
    void DrawVersion();

    std::array<RainColumn, 80> columns;
    bool made = false; // the columns exist once the title was first set up
    int activeCount = 0;
    bool spawnGate = true;
    int16_t fontLayer = 0; // layer whose font is selected in the current frame
    // For each of the layer's 34 rows, the columns (fewer than 64) that drew over it
    // since the last frame.
    std::array<uint64_t, 34> movedColumns{};
    bool movedEverywhere = true;

    ImageHandle layer;
    std::unique_ptr<Graphics> layerGraphics;
    ImageHandle title;
    ImageHandle titleLit;
    int shineOffset = 0;

    clsButton beginGame;
    clsButton help;
    clsButton loadGame;
    clsButton records;
    clsButton exitGame;
};
