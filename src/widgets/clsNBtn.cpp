#include "widgets/clsNBtn.h"

#include "draw/Drawing.h"
#include "draw/Shapes.h"
#include "draw/Text.h"

void clsNBtn::init(const std::string& Filename, int16_t Wid, int16_t hei, int16_t m_val) {
    val = QString::number(m_val);
    box.width = Wid;
    box.height = hei;
    image = Filename.empty() ? nullptr : LoadImage(Filename);
    Enable = true;
}

void clsNBtn::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

void clsNBtn::Draw() {
    const DrawState& d = Drawing();
    const QBrush& fill = !Enable       ? d.ButtonBrushDisabled[0]
                         : States == 1 ? d.ButtonBrushHover[0]
                         : States == 2 ? d.ButtonBrushDown[0]
                                       : d.ButtonBrushNormal[0];
    FillRectWith(box.left, box.top, box.width, box.height, fill);
    DrawImagePart(image, box.left, box.top, box.width, box.height, 0, 0, 1.0f, TransparentKey);
    if (!Enable || val == QLatin1String("0")) return;
    // Dark on the bright pressed fill, light on the others; a finished digit is faint and
    // struck through.
    if (States == 2) {
        SetTextColor(0, 0, 0, 255);
    } else {
        SetTextColor(255, 255, 255, Done ? 64 : 168);
    }
    DrawText(static_cast<int16_t>(box.left + 6), static_cast<int16_t>(box.top + 2), val);
    if (Done) DrawLine(0xA0FFFFFF, 2, box.left + 8, box.top + 30, box.left + 32, box.top + 10);
}

void clsNBtn::MouseMove(int16_t X, int16_t Y) {
    if (!Enable) {
        States = 0;
    } else if (box.Under(X, Y)) {
        if (States == 0) States = 1;
    } else if (States == 1) {
        States = 0;
    }
}

bool clsNBtn::MouseDown(bool forced) {
    if (!Enable) {
        States = 0;
        return false;
    }
    if (!forced && States != 1) return false;
    States = 2;
    return true;
}
