#include "widgets/clsMyBtn.h"

#include "draw/Drawing.h"
#include "draw/GameImages.h"
#include "draw/Text.h"

namespace {

// (alpha, red, green, blue) as seen on screen.
struct Argb {
    int a, r, g, b;
};

void UseTextColor(const Argb& c) { SetTextColor(c.b, c.g, c.r, c.a); }

// The flash uses the third picture of the surface strip.
constexpr int FlashFrame = 2;

} // namespace

void clsMyBtn::setnm(int16_t i, bool pf) {
    text = QString::number(i);
    pencil = pf;
}

void clsMyBtn::init(int16_t Wid, int16_t hei, int16_t number, uint8_t region, bool oneBased) {
    text = QString::number(number);
    Enabled = number == 0;
    box.width = Wid;
    box.height = hei;
    gametype = oneBased;
    // A flash cut short by the end of the last game must not linger on the new board.
    Ckframe = 0;
    shade = static_cast<uint8_t>(oneBased ? region - 1 : region);
}

void clsMyBtn::SetLocation(int16_t m_Left, int16_t m_top) { box.Place(m_Left, m_top); }

uint32_t clsMyBtn::Look() const {
    return text.front().unicode() | uint32_t{pencil} << 16 | uint32_t{Enabled} << 17 |
           uint32_t{OnMove} << 18 | uint32_t{Highlighted} << 19 |
           static_cast<uint32_t>(Ckframe & 7) << 20;
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
        if (Ckframe > 0) {
            DrawImagePart(TheGameImages().Surface, box.left + 3, box.top + 3, box.width, box.height,
                          FlashFrame * box.width, 0, static_cast<float>(d.FlashOpacity[Ckframe]));
        }
        DrawNumber();
    }
    Highlighted = false;
}

// The shadow falls below right on the player's digits and above left on the givens,
// so the two read apart at a glance.
void clsMyBtn::DrawNumber() const {
    if (pencil) {
        SetFont(QStringLiteral("Arial"), 12, FontRegular);
    } else {
        SetFont(QStringLiteral("Impact"), 24, FontBold);
    }
    if (text == QLatin1String("0")) return;

    Argb face{};
    Argb shadow{};
    if (Enabled) {
        face = Highlighted ? Argb{255, 0, 0, 0} : Argb{255, 255, 255, 255};
        shadow = Highlighted ? Argb{128, 255, 255, 255} : Argb{128, 0, 0, 0};
    } else {
        face = Highlighted ? Argb{255, 32, 32, 32} : Argb{200, 180, 180, 180};
        shadow = Highlighted ? Argb{128, 255, 255, 255} : Argb{255, 0, 0, 0};
    }
    const int shadowOffset = Enabled ? 3 : -1;
    UseTextColor(shadow);
    DrawText(static_cast<int16_t>(box.left + 15 + shadowOffset),
             static_cast<int16_t>(box.top + 13 + shadowOffset), text);
    UseTextColor(face);
    DrawText(static_cast<int16_t>(box.left + 15), static_cast<int16_t>(box.top + 13), text);
}

bool clsMyBtn::MouseMove(int16_t X, int16_t Y) {
    if (!Enabled) return false;
    OnMove = box.Under(X, Y);
    return OnMove;
}
