#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

// Font style bits as the game passes them.
enum FontStyle : int32_t {
    FontRegular = 0,
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeout = 8
};

// Sticky text state: a screen sets font and colour, then draws any number of texts.
// A family that is not installed (and has no look-alike) keeps the previous font.
void SetFont(const QString& family, float sizeInPoints, int32_t style);
void SetTextColor(int blue, int green, int red, int alpha);

// Top-left of an unbounded box; line breaks in the text start new lines.
void DrawText(int16_t x, int16_t y, const QString& text);

// Where a text drawn at (x, y) in the current font can leave ink.
QRect TextArea(int16_t x, int16_t y, const QString& text);

// How wide a one-line text is in the current font.
int TextWidth(const QString& text);

// The same pixels as DrawText wherever the text lands on opaque black, from an image made
// once for each text, font and colour: for glyphs that repeat by the hundred every frame.
void DrawTextOnBlack(int16_t x, int16_t y, const QString& text);

// A text as it went onto the target, with the font and colour it was drawn in.
struct DrawnText {
    int16_t x = 0;
    int16_t y = 0;
    QString text;
    QString family;
    QColor color;
};
// Tells the recorder about every text drawn from now on (tests read what a screen
// shows through it); nothing to stop.
void SetTextRecorder(std::function<void(const DrawnText&)> recorder);

// Forgets the current font and text colour (shutdown, and tests).
void ResetTextState();
// Lets go of the images DrawTextOnBlack made; they are made again when next drawn.
void ForgetTextsOnBlack();
// How many drawn texts the caches hold, so tests can see that they stay bounded.
size_t CachedTexts();
