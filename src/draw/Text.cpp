#include "draw/Text.h"

#include "draw/Drawing.h"
#include "draw/FontSubstitutes.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPainter>
#include <QStaticText>
#include <cmath>
#include <optional>
#include <tuple>
#include <unordered_map>

namespace {

// The caches below are looked up for every text of every frame: hashed, not ordered.
struct KeyHash {
    template <typename... Parts> size_t operator()(const std::tuple<Parts...>& key) const {
        return std::apply([](const auto&... parts) { return qHashMulti(0, parts...); }, key);
    }
};

template <typename Value, typename... Key>
using Cache = std::unordered_map<std::tuple<Key...>, Value, KeyHash>;

// The clock shows a new text every second: a cache of texts that grew this large starts
// over rather than grow for as long as the game runs.
constexpr size_t CacheLimit = 2048;

template <typename Value, typename... Key, typename Make>
const Value& Remembered(Cache<Value, Key...>& cache, const std::tuple<Key...>& key, Make make) {
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    if (cache.size() >= CacheLimit) cache.clear();
    return cache.emplace(key, make()).first->second;
}

// A text as it looks on opaque black, cut to where it has ink; offset is where that part
// lies from the point the text is drawn at.
struct OnBlack {
    QImage inked;
    QPoint offset;
};

struct TextState {
    const QFont* CurrentFont = nullptr; // one of the resolved fonts
    std::optional<QColor> TextBrush;
    // Screens select the same few fonts every frame; each is looked up once.
    Cache<std::optional<QFont>, QString, float, int32_t> resolved;
    Cache<OnBlack, QString, const QFont*, QRgb> rendered;
    Cache<QRect, QString, const QFont*> bounds;
    Cache<QStaticText, QString, const QFont*> laidOut;
};

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop;
const QRectF Unbounded(0, 0, 4000, 4000);

// The game writes line breaks as "\r\n"; Qt breaks lines at "\n".
QString AsLines(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

// Where a text drawn at the origin reaches, measured at the surface's 96 dpi.
QRectF MeasureText(const QString& text, const QFont& font) {
    static const QImage surface = MakeSurface(1, 1);
    return QFontMetricsF(font, &surface).boundingRect(Unbounded, TextFlags, AsLines(text));
}

// Text on a transparent image, then over black: blending a pixel onto opaque black gives
// its colour made opaque, pixel for pixel, so the inked part is that.
OnBlack RenderText(const QString& text, const QFont& font, const QColor& color) {
    const QRectF bounds = MeasureText(text, font);
    constexpr int Margin = 4;
    QImage image = MakeSurface(static_cast<int>(bounds.right()) + Margin,
                               static_cast<int>(bounds.bottom()) + Margin);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(Unbounded, TextFlags, AsLines(text));
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) ink |= QRect(x, y, 1, 1);
        }
    }
    if (ink.isEmpty()) return {}; // a blank leaves the black as it is
    QImage inked = image.copy(ink);
    for (int y = 0; y < inked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(inked.scanLine(y));
        for (int x = 0; x < inked.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    return {inked, ink.topLeft()};
}

std::optional<QFont> MakeFont(const QString& family, float sizeInPoints, int32_t style) {
    std::optional<QFont> font = ResolveFontFamily(family);
    if (!font) return std::nullopt;
    font->setPointSizeF(sizeInPoints);
    if (style & FontBold) font->setBold(true);
    font->setItalic((style & FontItalic) != 0);
    font->setUnderline((style & FontUnderline) != 0);
    font->setStrikeOut((style & FontStrikeout) != 0);
    return font;
}

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
    TextState& t = Text();
    const auto key = std::make_tuple(family, sizeInPoints, style);
    auto found = t.resolved.find(key);
    if (found == t.resolved.end())
        found = t.resolved.emplace(key, MakeFont(family, sizeInPoints, style)).first;
    if (found->second) t.CurrentFont = &*found->second;
}

int TextWidth(const QString& text) {
    const QFont* font = Text().CurrentFont;
    return font ? static_cast<int>(std::ceil(MeasureText(text, *font).width())) : 0;
}

void SetTextColor(int blue, int green, int red, int alpha) {
    Text().TextBrush = QColor(red, green, blue, alpha);
}

namespace {

// Where a text drawn at the origin can leave ink, with a pixel to spare for smoothing.
QRect TextBounds(const QString& text, const QFont& font) {
    return Remembered(Text().bounds, std::make_tuple(text, &font), [&] {
        return MeasureText(text, font).toAlignedRect().adjusted(-2, -2, 2, 2);
    });
}

} // namespace

QRect TextArea(int16_t x, int16_t y, const QString& text) {
    const QFont* font = Text().CurrentFont;
    return font ? TextBounds(text, *font).translated(x, y) : QRect();
}

void DrawText(int16_t x, int16_t y, const QString& text) {
    const TextState& t = Text();
    if (!t.CurrentFont || !t.TextBrush || !TargetPainter()) return;
    if (Recorder()) Recorder()({x, y, text, t.CurrentFont->family(), *t.TextBrush});
    QPainter* painter = PainterFor(TextBounds(text, *t.CurrentFont).translated(x, y));
    if (!painter) return;
    painter->setFont(*t.CurrentFont);
    painter->setPen(*t.TextBrush);
    // A laid-out text keeps no line breaks.
    if (!Drawing().Caches || text.contains(u'\n')) {
        painter->drawText(Unbounded.translated(x, y), TextFlags, AsLines(text));
        return;
    }
    // Laid out once: shaping a caption costs more than drawing it.
    const QStaticText& laid = Remembered(Text().laidOut, std::make_tuple(text, t.CurrentFont), [&] {
        QStaticText made(text);
        made.setTextFormat(Qt::PlainText);
        made.prepare(QTransform(), *t.CurrentFont);
        return made;
    });
    painter->drawStaticText(x, y, laid);
}

void DrawTextOnBlack(int16_t x, int16_t y, const QString& text) {
    TextState& t = Text();
    QPainter* painter = TargetPainter();
    if (!Drawing().Caches || !t.CurrentFont || !t.TextBrush || !painter) {
        DrawText(x, y, text);
        return;
    }
    const OnBlack& drawn =
        Remembered(t.rendered, std::make_tuple(text, t.CurrentFont, t.TextBrush->rgba()),
                   [&] { return RenderText(text, *t.CurrentFont, *t.TextBrush); });
    PutOpaque(drawn.inked, QPoint(x, y) + drawn.offset);
    if (Recorder()) Recorder()({x, y, text, t.CurrentFont->family(), *t.TextBrush});
}

void SetTextRecorder(std::function<void(const DrawnText&)> recorder) {
    Recorder() = std::move(recorder);
}

void ResetTextState() { Text() = TextState{}; }

void ForgetTextsOnBlack() { Text().rendered.clear(); }

size_t CachedTexts() {
    const TextState& t = Text();
    return t.rendered.size() + t.bounds.size() + t.laidOut.size();
}
