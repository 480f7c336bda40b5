#include "widgets/clsMyBtn.h"

#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "draw/Text.h"

#include <bit>

namespace {

// (alpha, red, green, blue) as seen on screen.
struct Argb {
    int a, r, g, b;
};

void UseTextColor(const Argb& c) { SetTextColor(c.b, c.g, c.r, c.a); }

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
    // A flash cut short by the end of the last game must not linger on the new board.
    flashStep = 0;
    shade = static_cast<uint8_t>(oneBased ? region - 1 : region);
}

void clsMyBtn::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

uint32_t clsMyBtn::Look() const {
    return static_cast<uint32_t>(digit) | uint32_t{marks} << 4 | uint32_t{Enabled} << 13 |
           uint32_t{OnMove} << 14 | uint32_t{Highlighted} << 15 |
           static_cast<uint32_t>(flashStep & 7) << 16;
}

void clsMyBtn::DrawTospeedBuffer(Graphics& g) const {
    DrawCached(Drawing().BlockImages[shade], box.left, box.top, &g);
}

void clsMyBtn::Draw(bool mpause) {
    if (!mpause) {
        const DrawState& d = Drawing();
        if (Highlighted) DrawCached(d.BlockFrameImage, box.left, box.top);
        // Hover lifts the cell's own shade over the board and any highlight.
        if (Enabled && OnMove) DrawCached(d.BlockImages[shade], box.left, box.top);
        if (flashStep > 0) {
            DrawImagePart(TheGameImages().Surface, box.left + 3, box.top + 3, box.width, box.height,
                          FlashFrame * box.width, 0, static_cast<float>(d.FlashOpacity[flashStep]));
        }
        DrawNumber();
    }
    Highlighted = false;
}

// The shadow falls below right on the player's digits and above left on the givens,
// so the two read apart at a glance. A single mark stands where a digit would, in a small
// font; several stand each in its own place of a 3 x 3 arrangement, 1 at top left.
void clsMyBtn::DrawNumber() const {
    const int count = std::popcount(marks);
    if (digit == 0 && count == 0) return;
    Argb face{};
    Argb shadow{};
    if (Enabled) {
        face = Highlighted ? Argb{255, 0, 0, 0} : Argb{255, 255, 255, 255};
        shadow = Highlighted ? Argb{128, 255, 255, 255} : Argb{128, 0, 0, 0};
    } else {
        face = Highlighted ? Argb{255, 32, 32, 32} : Argb{200, 180, 180, 180};
        shadow = Highlighted ? Argb{128, 255, 255, 255} : Argb{255, 0, 0, 0};
    }
    const auto put = [&](int x, int y, int shadowOffset, const QString& text) {
        UseTextColor(shadow);
        DrawText(static_cast<int16_t>(x + shadowOffset), static_cast<int16_t>(y + shadowOffset),
                 text);
        UseTextColor(face);
        DrawText(static_cast<int16_t>(x), static_cast<int16_t>(y), text);
    };
    const int shadowOffset = Enabled ? 3 : -1;
    if (digit != 0) {
        SetFont(QStringLiteral("Impact"), 24, FontBold);
        put(box.left + 15, box.top + 13, shadowOffset, QString::number(digit));
    } else if (count == 1) {
        SetFont(QStringLiteral("Arial"), 12, FontRegular);
        put(box.left + 15, box.top + 13, shadowOffset,
            QString::number(std::countr_zero(marks) + 1));
    } else {
        SetFont(QStringLiteral("Arial"), MarkPoints, FontRegular);
        for (int d = 1; d <= 9; ++d) {
            if ((marks & DigitBit(d)) == 0) continue;
            put(box.left + MarkLeft + MarkPitch * ((d - 1) % 3),
                box.top + MarkTop + MarkPitch * ((d - 1) / 3), 1, QString::number(d));
        }
    }
}

bool clsMyBtn::MouseMove(int16_t X, int16_t Y) {
    if (!Enabled) return false;
    OnMove = box.Under(X, Y);
    return OnMove;
}
