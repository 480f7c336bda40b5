#pragma once

#include "draw/Picture.h"
#include "widgets/WidgetBox.h"

#include <QString>
#include <cstdint>
#include <string>

// One button of the pop-up number pad. It stays pressed after a press so that it can
// show the current choice; only the game screen releases it (States = 0).
class clsNBtn {
public:
    QString val;         // the caption; "0" shows none
    int16_t States = 0;  // 0 normal, 1 hover, 2 pressed
    bool Enable = false; // digits that may not go into the cell are disabled
    bool Done = false;   // the digit stands nine times: dimmed, yet it may be chosen

    // Filename is the picture's full path; empty for no image.
    void init(const std::string& Filename, int16_t Wid, int16_t hei, int16_t m_val);
    void SetLocation(int16_t m_Left, int16_t m_top);
    // Draws the caption in the font selected beforehand: the pad picks it once for all.
    void Draw();
    void MouseMove(int16_t X, int16_t Y);
    // The pad acts on the press, so the button takes no release.
    bool MouseDown(bool forced = false);

private:
    WidgetBox box;
    ImageHandle image;
};
