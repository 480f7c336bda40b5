#include "draw/Drawing.h"

#include "draw/Text.h"

#include <QFileInfo>
#include <QLinearGradient>

namespace {

constexpr int DotsPerMeterAt96Dpi = 3780;

QBrush ButtonGradient(int alpha1, int alpha2, int red, int green, int blue) {
    // Anchored at the surface origin and mirrored, so a widget's look depends on its
    // absolute height on the screen.
    QLinearGradient gradient(0, 0, 0, 50);
    gradient.setColorAt(0, QColor(red, green, blue, alpha1));
    gradient.setColorAt(1, QColor(red, green, blue, alpha2));
    gradient.setSpread(QGradient::ReflectSpread);
    return QBrush(gradient);
}

void MakeButtonBrushes(DrawState& d) {
    d.ButtonBrushNormal = {ButtonGradient(128, 88, 0, 255, 0), ButtonGradient(0, 0, 255, 255, 255)};
    d.ButtonBrushHover = {ButtonGradient(200, 128, 0, 255, 0),
                          ButtonGradient(30, 60, 255, 255, 255)};
    d.ButtonBrushDown = {ButtonGradient(255, 200, 0, 255, 0),
                         ButtonGradient(255, 200, 255, 255, 255)};
    d.ButtonBrushDisabled = {ButtonGradient(255, 200, 80, 80, 80),
                             ButtonGradient(255, 200, 80, 80, 80)};
}

ImageHandle LoadFile(const std::string& path) {
    QImage image(QString::fromStdString(path));
    if (image.isNull()) {
        const auto& missing = Drawing().missingFile;
        if (missing && !QFileInfo::exists(QString::fromStdString(path))) missing(path);
        return nullptr;
    }
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    return std::make_shared<Picture>(std::move(image));
}

} // namespace

DrawState& Drawing() {
    static DrawState state;
    return state;
}

QImage MakeSurface(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    return image;
}

void StartDrawing(int width, int height) {
    DrawState& d = Drawing();
    d.ScreenWidth = width;
    d.ScreenHeight = height;
    d.speedGraphics.reset(); // a painter must end before its surface is replaced
    d.SpeedBuffer = MakeSurface(width, height);
    d.shown = ShownFrame{};
    d.speedGraphics = std::make_unique<Graphics>(d.SpeedBuffer);
    d.TargetGraphics = d.speedGraphics.get();
    d.savedTarget = nullptr;
    MakeButtonBrushes(d);
    d.started = true;
}

void StopDrawing() {
    ResetTextState();
    DrawState& d = Drawing();
    d.TargetGraphics = nullptr;
    d.savedTarget = nullptr;
    d.speedGraphics.reset();
    d.started = false;
}

void SetPresenter(std::function<void(const QImage&, const QRegion&)> presenter) {
    Drawing().presenter = std::move(presenter);
}

void PresentBuffer() {
    DrawState& d = Drawing();
    if (!d.presenter || !d.started) return;
    const QRegion changed = d.shown.Update(d.SpeedBuffer);
    if (!changed.isEmpty()) d.presenter(d.SpeedBuffer, changed);
}

QPainter* TargetPainter() {
    Graphics* target = Drawing().TargetGraphics;
    return target ? &target->Painter() : nullptr;
}

void SetDrawTarget(Graphics& graphics) {
    DrawState& d = Drawing();
    d.savedTarget = d.TargetGraphics;
    d.TargetGraphics = &graphics;
}

void RestoreDrawTarget() {
    DrawState& d = Drawing();
    d.TargetGraphics = d.savedTarget;
}

void SetClip(const QRect& area) {
    if (QPainter* painter = TargetPainter()) painter->setClipRect(area);
}

void ClearClip() {
    if (QPainter* painter = TargetPainter()) painter->setClipping(false);
}

std::unique_ptr<Graphics> GetImageGraphics(const ImageHandle& image) {
    if (!image) return nullptr;
    return std::make_unique<Graphics>(image->Image());
}

void SetMissingFileHandler(std::function<void(const std::string&)> handler) {
    Drawing().missingFile = std::move(handler);
}

ImageHandle LoadImage(const std::string& path) { return LoadFile(path); }

// Every loaded image is kept in the surface's own pixel format, which is what makes
// drawing it 1:1 cheap; "cached" images are therefore the same kind of handle.
ImageHandle LoadCachedImage(const std::string& path) { return LoadFile(path); }

void DrawCached(const ImageHandle& image, int x, int y, Graphics* graphics) {
    QPainter* painter = graphics ? &graphics->Painter() : TargetPainter();
    if (!image || !painter) return;
    painter->drawImage(x, y, image->Image());
}

void DrawBackground(const ImageHandle& image) { DrawCached(image, 0, 0); }

void DrawImagePart(const ImageHandle& image, int x, int y, int w, int h, int srcX, int srcY,
                   float opacity, std::optional<Color> colorKey) {
    QPainter* painter = TargetPainter();
    if (!image || !painter) return;
    const QImage& source = colorKey ? image->Keyed(*colorKey) : image->Image();
    const qreal previous = painter->opacity();
    painter->setOpacity(opacity);
    painter->drawImage(QRect(x, y, w, h), source, QRect(srcX, srcY, w, h));
    painter->setOpacity(previous);
}

void DrawImageRect(const ImageHandle& image, const Rect& destination, QPoint source, float opacity,
                   std::optional<Color> colorKey) {
    DrawImagePart(image, destination.left, destination.top, destination.right - destination.left,
                  destination.bottom - destination.top, source.x(), source.y(), opacity, colorKey);
}

void LoadBlockImages(const std::string& programFolder) {
    DrawState& d = Drawing();
    if (d.blockImagesLoaded) return;
    for (int n = 1; n <= 9; ++n) {
        d.BlockImages[n - 1] =
            LoadCachedImage(programFolder + "/res/block" + std::to_string(n) + ".png");
    }
    d.BlockFrameImage = LoadCachedImage(programFolder + "/res/bf.png");
    d.FlashOpacity = {0.0, 0.2, 0.4, 0.6, 0.4, 0.2};
    d.blockImagesLoaded = true;
}
