#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// Shared drawing helpers for the artwork generators.
namespace art {

// The colour the game treats as "not drawn" in keyed pictures.
inline constexpr QRgb kKeyColour = 0xffff00ff;

// Colours of the game's look: a dark scene lit by green.
inline const QColor kNight{3, 10, 6};
inline const QColor kDeepGreen{8, 30, 16};
inline const QColor kLeaf{40, 150, 75};
inline const QColor kNeon{90, 255, 140};
inline const QColor kMint{205, 255, 220};

// A transparent canvas to paint on.
QImage canvas(int width, int height);

// A soft copy of the image (three box passes, close to a gaussian).
QImage blurred(const QImage& image, int radius);

// The image's shape filled with one colour, its alpha scaled by strength.
QImage tinted(const QImage& shape, const QColor& colour, double strength);

// Draws a halo of the given colour around everything painted in shape.
void drawGlow(QPainter& painter, const QImage& shape, const QColor& colour, int radius,
              double strength);

// Turns art with transparency into an opaque picture whose empty pixels
// carry the colour key; soft edges are blended onto the colour they will
// be seen against, so no pink fringe shows in the game.
QImage keyed(const QImage& art, const QColor& seenAgainst);

// A font of the given family and pixel size (pixel sizes keep the art
// independent of the screen's dots per inch).
QFont font(const QString& family, int pixelSize, int weight = QFont::Normal);

// Paints text centred in the box with a thin dark outline for contrast.
void outlinedText(QPainter& painter, const QRectF& box, const QString& text, const QColor& fill,
                  const QColor& outline, double outlineWidth);

// Writes the image in the given format (by default the one its name
// suggests); throws when the file cannot be written.
void save(const QImage& image, const QString& path, const char* format = nullptr);

} // namespace art
