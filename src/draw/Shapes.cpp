#include "draw/Shapes.h"

#include "draw/Drawing.h"

#include <QLinearGradient>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

QColor ToQColor(Color c) { return QColor::fromRgba(c); }

// The pixels of a one-pixel line along a row or a column between whole-pixel end points,
// both ends included.
std::optional<QRect> AxisLine(float width, float x1, float y1, float x2, float y2) {
    const bool whole = x1 == std::floor(x1) && y1 == std::floor(y1) && x2 == std::floor(x2) &&
                       y2 == std::floor(y2);
    if (width != 1.0f || !whole || (x1 != x2 && y1 != y2)) return std::nullopt;
    return QRect(QPoint(static_cast<int>(std::min(x1, x2)), static_cast<int>(std::min(y1, y2))),
                 QPoint(static_cast<int>(std::max(x1, x2)), static_cast<int>(std::max(y1, y2))));
}

} // namespace

Color MakeColor(int alpha, int blue, int green, int red) {
    auto part = [](int v) { return static_cast<Color>(std::clamp(v, 0, 255)); };
    return part(alpha) << 24 | part(red) << 16 | part(green) << 8 | part(blue);
}

QBrush MakeSolidBrush(int blue, int green, int red, int alpha) {
    return QBrush(ToQColor(MakeColor(alpha, blue, green, red)));
}

QBrush MakePanelBrush(int32_t top, int32_t bottom) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, QColor(40, 55, 40, 100));
    gradient.setColorAt(1, QColor(40, 55, 40, 255));
    gradient.setSpread(QGradient::ReflectSpread);
    return QBrush(gradient);
}

void FillRectWith(int32_t x, int32_t y, int16_t w, int16_t h, const QBrush& brush) {
    DrawInParts(QRect(x, y, w, h), [&brush](QPainter& painter, const QRect& piece) {
        painter.fillRect(piece, brush);
    });
}

void FillRectBlack(int16_t x, int16_t y, int16_t w, int16_t h) {
    if (QPainter* painter = PainterFor(QRect(x, y, w, h)))
        painter->fillRect(QRect(x, y, w, h), Qt::black);
}

void DrawRectOutline(int32_t x, int32_t y, int16_t w, int16_t h, Color color, int16_t width) {
    QPainter* painter = TargetPainter();
    if (!painter) return;
    painter->setPen(QPen(ToQColor(color), width));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(x, y, w, h));
}

void DrawLine(Color color, float width, float x1, float y1, float x2, float y2) {
    QPainter* painter = TargetPainter();
    if (!painter) return;
    // Qt blends a translucent row line pixel by pixel, ten times slower than a fill of the
    // same pixels; frames and panels draw several of them every frame.
    if (const auto line = AxisLine(width, x1, y1, x2, y2)) {
        painter->fillRect(*line, ToQColor(color));
        return;
    }
    painter->setPen(QPen(ToQColor(color), width));
    painter->drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void DrawProgressBar(int32_t x, int32_t y, int16_t w, int16_t h, float fraction) {
    const DrawState& d = Drawing();
    FillRectWith(x, y, w, h, d.ButtonBrushNormal[0]);
    // lrint rounds a half to the even neighbour, as the layout expects.
    const auto filled = static_cast<int16_t>(std::lrint(static_cast<float>(w) * fraction));
    FillRectWith(x, y, filled, h, d.ButtonBrushDown[0]);
}
