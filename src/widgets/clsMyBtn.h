#pragma once

#include "draw/Color.h"
#include "draw/FramePlan.h"
#include "draw/Graphics.h"
#include "engine/Rules.h"
#include "widgets/WidgetBox.h"

#include <cstdint>

// One cell of the board: a digit, or the player's pencil marks. Only cells that were empty
// when the puzzle was dealt react to the pointer; the game screen acts on the press, so a
// cell takes no release.
class clsMyBtn {
public:
    bool Enabled = false;  // editable: empty when dealt
    bool OnMove = false;   // the pointer is over this editable cell
    int flashStep = 0;     // flash countdown 5..1, 0 for none
    bool gametype = false; // region numbers count from 1 (Nonomino boards)

    int32_t getLOC_x() const { return box.left; }
    int32_t getLOC_y() const { return box.top; }
    // What the cell shows: a digit, or when it is 0 the marks.
    void SetContent(int digit, DigitSet marks);
    void init(int16_t Wid, int16_t hei, int16_t number, uint8_t region, bool oneBased);
    void SetLocation(int16_t m_Left, int16_t m_top);
    // Paints the region shade into a board image once, instead of every frame.
    void DrawTospeedBuffer(Graphics& g) const;
    // A paused board hides every number.
    void Draw(bool mpause = false);
    // Ask for a look in the next Draw only: the highlight of the pointer's row, column and
    // region; the tint of a digit that stands elsewhere under the pointer; the cursor frame.
    void DrawH() { Highlighted = true; }
    void Tint(int tinted) { tintDigit = tinted; }
    void FrameAsCursor() { cursorFrame = true; }
    // A colour laid over the cell and one framing it (0 for none), for a step shown on the
    // board. The board keeps what it marks, so the cell's look leaves them out.
    void Mark(Color fill, Color frame) {
        markFill = fill;
        markFrame = frame;
    }
    // Strictly inside the cell, given or not.
    bool Contains(int16_t x, int16_t y) const { return box.Under(x, y); }
    // Everything that decides how the cell looks, packed into one value.
    uint32_t Look() const;
    // The look and where the cell draws.
    PartLook Part() const;
    bool MouseMove(int16_t X, int16_t Y);
    bool MouseDown() const { return Enabled && OnMove; }

    int Digit() const { return digit; }
    DigitSet Marks() const { return marks; }

private:
    QRect DrawnArea() const;
    void DrawNumber() const;

    int digit = 0;
    DigitSet marks = 0;
    bool Highlighted = false;
    int tintDigit = 0;
    bool cursorFrame = false;
    Color markFill = 0;
    Color markFrame = 0;
    WidgetBox box;
    uint8_t shade = 0; // index into the drawing layer's block images
};
