#include "widgets/clsMyBtn.h"

#include "draw/BoardPalette.h"
#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "draw/Shapes.h"
#include "draw/Text.h"

#include <bit>

namespace {

QBrush Brush(Color c) { return QBrush(QColor::fromRgba(c)); }

void UseTextColor(Color c) {
    SetTextColor(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                 static_cast<int>(c >> 16 & 0xFF), static_cast<int>(c >> 24));
}

// The flash uses the third picture of the surface strip.
constexpr int FlashFrame = 2;

// Several marks share the cell in three rows of three.
constexpr float MarkPoints = 10;
constexpr int MarkLeft = 7;
constexpr int MarkTop = 2;
constexpr int MarkPitch = 18;

} // namespace

void clsMyBtn::SetContent(int shownDigit, DigitSet shownMarks) {
    digit = shownDigit;
    marks = shownDigit == 0 ? shownMarks : 0;
}

void clsMyBtn::init(int16_t Wid, int16_t hei, int16_t number, uint8_t region, bool oneBased) {
    digit = number;
    marks = 0;
    Enabled = number == 0;
    box.width = Wid;
    box.height = hei;
    gametype = oneBased;
    // A flash cut short by the end of the last game must not linger on the new board, nor
    // the pointer or cursor that was over it.
    flashStep = 0;
    OnMove = false;
    shade = static_cast<uint8_t>(oneBased ? region - 1 : region);
}

void clsMyBtn::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

uint32_t clsMyBtn::Look() const {
    return static_cast<uint32_t>(digit) | uint32_t{marks} << 4 | uint32_t{Enabled} << 13 |
           uint32_t{OnMove} << 14 | uint32_t{Highlighted} << 15 |
           static_cast<uint32_t>(flashStep & 7) << 16 | static_cast<uint32_t>(tintDigit) << 19 |
           uint32_t{cursorFrame} << 23;
}

// The flash reaches a little past the cell's box.
QRect clsMyBtn::DrawnArea() const {
    constexpr int Reach = 4;
    return box.Area().adjusted(-Reach, -Reach, Reach, Reach);
}

PartLook clsMyBtn::Part() const { return {Look(), DrawnArea()}; }

void clsMyBtn::DrawTospeedBuffer(Graphics& g) const {
    DrawCached(Drawing().BlockImages[shade], box.left, box.top, &g);
}

void clsMyBtn::Draw(bool mpause) {
    if (!mpause && ReachesFrame(DrawnArea())) {
        const DrawState& d = Drawing();
        if (Highlighted) DrawCached(d.BlockFrameImage, box.left, box.top);
        // Hover lifts the cell's own shade over the board and any highlight.
        if (Enabled && OnMove) DrawCached(d.BlockImages[shade], box.left, box.top);
        if (flashStep > 0) {
            DrawImagePart(TheGameImages().Surface, box.left + 3, box.top + 3, box.width, box.height,
                          FlashFrame * box.width, 0, static_cast<float>(d.FlashOpacity[flashStep]));
        }
        if (markFill != 0) FillRectWith(box.left, box.top, box.width, box.height, Brush(markFill));
        if (digit != 0 && digit == tintDigit)
            FillRectWith(box.left, box.top, box.width, box.height,
                         Brush(BoardPalette::SameDigitTint));
        DrawNumber();
        if (markFrame != 0)
            DrawRectOutline(box.left + 2, box.top + 2, static_cast<int16_t>(box.width - 4),
                            static_cast<int16_t>(box.height - 4), markFrame, 2);
        if (cursorFrame) {
            const int inset = BoardPalette::CursorFrameWidth / 2 + 1;
            DrawRectOutline(box.left + inset, box.top + inset,
                            static_cast<int16_t>(box.width - 2 * inset),
                            static_cast<int16_t>(box.height - 2 * inset), BoardPalette::CursorFrame,
                            BoardPalette::CursorFrameWidth);
        }
    }
    Highlighted = false;
    tintDigit = 0;
    cursorFrame = false;
    markFill = 0;
    markFrame = 0;
}

// The shadow falls below right on the player's digits and above left on the givens,
// so the two read apart at a glance. A single mark stands where a digit would, in a small
// font; several stand each in its own place of a 3 x 3 arrangement, 1 at top left.
void clsMyBtn::DrawNumber() const {
    const int count = std::popcount(marks);
    if (digit == 0 && count == 0) return;
    Color face = 0;
    Color shadow = 0;
    if (Enabled) {
        face = Highlighted ? 0xFF000000 : 0xFFFFFFFF;
        shadow = Highlighted ? 0x80FFFFFF : 0x80000000;
    } else {
        face = Highlighted ? 0xFF202020 : 0xC8B4B4B4;
        shadow = Highlighted ? 0x80FFFFFF : 0xFF000000;
    }
    // A mark of the digit under the pointer stands out in its tint.
    const auto put = [&](int x, int y, int shadowOffset, int shown) {
        const QString text = QString::number(shown);
        UseTextColor(shadow);
        DrawText(static_cast<int16_t>(x + shadowOffset), static_cast<int16_t>(y + shadowOffset),
                 text);
        UseTextColor(digit == 0 && shown == tintDigit ? BoardPalette::SameDigitMark : face);
        DrawText(static_cast<int16_t>(x), static_cast<int16_t>(y), text);
    };
    const int shadowOffset = Enabled ? 3 : -1;
    if (digit != 0) {
        SetFont(QStringLiteral("Impact"), 24, FontBold);
        put(box.left + 15, box.top + 13, shadowOffset, digit);
    } else if (count == 1) {
        SetFont(QStringLiteral("Arial"), 12, FontRegular);
        put(box.left + 15, box.top + 13, shadowOffset, std::countr_zero(marks) + 1);
    } else {
        SetFont(QStringLiteral("Arial"), MarkPoints, FontRegular);
        for (int d = 1; d <= 9; ++d) {
            if ((marks & DigitBit(d)) == 0) continue;
            put(box.left + MarkLeft + MarkPitch * ((d - 1) % 3),
                box.top + MarkTop + MarkPitch * ((d - 1) / 3), 1, d);
        }
    }
}

bool clsMyBtn::MouseMove(int16_t X, int16_t Y) {
    if (!Enabled) return false;
    OnMove = box.Under(X, Y);
    return OnMove;
}
