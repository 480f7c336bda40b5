#pragma once

#include "draw/Graphics.h"
#include "widgets/WidgetBox.h"

#include <QString>
#include <cstdint>

// One cell of the board. Only cells that were empty when the puzzle was dealt react to
// the pointer; the game screen acts on the press, so a cell takes no release.
class clsMyBtn {
public:
    bool Enabled = false;  // editable: empty when dealt
    bool OnMove = false;   // the pointer is over this editable cell
    int16_t Ckframe = 0;   // flash countdown 5..1, 0 for none
    bool gametype = false; // region numbers count from 1 (Nonomino boards)

    int32_t getLOC_x() const { return box.left; }
    int32_t getLOC_y() const { return box.top; }
    void setnm(int16_t i, bool pf = false);
    void init(int16_t Wid, int16_t hei, int16_t number, uint8_t region, bool oneBased);
    void SetLocation(int16_t m_Left, int16_t m_top);
    // Paints the region shade into a board image once, instead of every frame.
    void DrawTospeedBuffer(Graphics& g) const;
    // A paused board hides every number.
    void Draw(bool mpause = false);
    // Asks for the highlight look in the next Draw only.
    void DrawH() { Highlighted = true; }
    // Everything that decides how the cell looks, packed into one value.
    uint32_t Look() const;
    bool MouseMove(int16_t X, int16_t Y);
    bool MouseDown() const { return Enabled && OnMove; }

    QString Text() const { return text; }
    bool Pencil() const { return pencil; }

private:
    void DrawNumber() const;

    QString text = QStringLiteral("0");
    bool pencil = false;
    bool Highlighted = false;
    WidgetBox box;
    uint8_t shade = 0; // index into the drawing layer's block images
};
