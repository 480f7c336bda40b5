#include "ArtKit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace art {

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

namespace {

// One box pass over a single channel plane, along rows (step 1) or columns.
void boxPass(std::vector<float>& plane, int width, int height, int radius, bool alongRows) {
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    std::vector<float> line(static_cast<std::size_t>(length));
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> float& {
            const int x = alongRows ? i : l;
            const int y = alongRows ? l : i;
            return plane[static_cast<std::size_t>(y) * width + x];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<std::size_t>(i)] = at(i);
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += (i >= 0 && i < length) ? line[static_cast<std::size_t>(i)] : 0.0f;
        for (int i = 0; i < length; ++i) {
            at(i) = sum * scale;
            const int out = i - radius;
            const int in = i + radius + 1;
            if (out >= 0) sum -= line[static_cast<std::size_t>(out)];
            if (in < length) sum += line[static_cast<std::size_t>(in)];
        }
    }
}

} // namespace

QImage blurred(const QImage& image, int radius) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = source.width();
    const int h = source.height();
    std::vector<std::vector<float>> planes(4, std::vector<float>(static_cast<std::size_t>(w) * h));
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            planes[0][i] = static_cast<float>(qAlpha(row[x]));
            planes[1][i] = static_cast<float>(qRed(row[x]));
            planes[2][i] = static_cast<float>(qGreen(row[x]));
            planes[3][i] = static_cast<float>(qBlue(row[x]));
        }
    }
    const int passRadius = std::max(1, radius / 3);
    for (auto& plane : planes) {
        for (int pass = 0; pass < 3; ++pass) {
            boxPass(plane, w, h, passRadius, true);
            boxPass(plane, w, h, passRadius, false);
        }
    }
    QImage result(w, h, QImage::Format_ARGB32_Premultiplied);
    auto channel = [](float v) { return std::clamp(static_cast<int>(v + 0.5f), 0, 255); };
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const int a = channel(planes[0][i]);
            row[x] = qRgba(std::min(a, channel(planes[1][i])), std::min(a, channel(planes[2][i])),
                           std::min(a, channel(planes[3][i])), a);
        }
    }
    return result;
}

QImage tinted(const QImage& shape, const QColor& colour, double strength) {
    QImage result = canvas(shape.width(), shape.height());
    const QImage source = shape.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < shape.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < shape.width(); ++x) {
            const double a = std::min(1.0, qAlpha(in[x]) / 255.0 * strength) * colour.alphaF();
            out[x] =
                qRgba(static_cast<int>(colour.red() * a + 0.5),
                      static_cast<int>(colour.green() * a + 0.5),
                      static_cast<int>(colour.blue() * a + 0.5), static_cast<int>(255 * a + 0.5));
        }
    }
    return result;
}

void drawGlow(QPainter& painter, const QImage& shape, const QColor& colour, int radius,
              double strength) {
    painter.drawImage(0, 0, tinted(blurred(shape, radius), colour, strength));
}

namespace {
constexpr int kFaintestKept = 20;
} // namespace

QImage keyed(const QImage& art, const QColor& seenAgainst) {
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const int a = qAlpha(in[x]);
            // The faintest edge of a glow would show as a square of panel
            // colour on a slightly different panel; leave it out.
            if (a < kFaintestKept) {
                out[x] = kKeyColour;
                continue;
            }
            auto mix = [a](int over, int under) {
                return (over * a + under * (255 - a) + 127) / 255;
            };
            out[x] =
                qRgb(mix(qRed(in[x]), seenAgainst.red()), mix(qGreen(in[x]), seenAgainst.green()),
                     mix(qBlue(in[x]), seenAgainst.blue()));
        }
    }
    return result;
}

QFont font(const QString& family, int pixelSize, int weight) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void outlinedText(QPainter& painter, const QRectF& box, const QString& text, const QColor& fill,
                  const QColor& outline, double outlineWidth) {
    const QFontMetricsF metrics(painter.font());
    const double x = box.left() + (box.width() - metrics.horizontalAdvance(text)) / 2;
    const double y = box.top() + (box.height() + metrics.capHeight()) / 2;
    QPainterPath path;
    path.addText(x, y, painter.font(), text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path,
                       QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, fill);
    painter.restore();
}

void save(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format)) throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace art
