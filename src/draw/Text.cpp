#include "draw/Text.h"

#include "draw/Drawing.h"
#include "draw/FontSubstitutes.h"

#include <QColor>
#include <QFont>
#include <optional>

namespace {

struct TextState {
    std::optional<QFont> CurrentFont;
    std::optional<QColor> TextBrush;
};

TextState& Text() {
    static TextState state;
    return state;
}

std::function<void(const DrawnText&)>& Recorder() {
    static std::function<void(const DrawnText&)> recorder;
    return recorder;
}

} // namespace

void SetFont(const QString& family, float sizeInPoints, int32_t style) {
    std::optional<QFont> font = ResolveFontFamily(family);
    if (!font) return;
    font->setPointSizeF(sizeInPoints);
    if (style & FontBold) font->setBold(true);
    font->setItalic((style & FontItalic) != 0);
    font->setUnderline((style & FontUnderline) != 0);
    font->setStrikeOut((style & FontStrikeout) != 0);
    Text().CurrentFont = *font;
}

void SetTextColor(int blue, int green, int red, int alpha) {
    Text().TextBrush = QColor(red, green, blue, alpha);
}

void DrawText(int16_t x, int16_t y, const QString& text) {
    const TextState& t = Text();
    QPainter* painter = TargetPainter();
    if (!t.CurrentFont || !t.TextBrush || !painter) return;
    painter->setFont(*t.CurrentFont);
    painter->setPen(*t.TextBrush);
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter->drawText(QRectF(x, y, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, lines);
    if (Recorder()) Recorder()({x, y, text, t.CurrentFont->family(), *t.TextBrush});
}

void SetTextRecorder(std::function<void(const DrawnText&)> recorder) {
    Recorder() = std::move(recorder);
}

void ResetTextState() { Text() = TextState{}; }
