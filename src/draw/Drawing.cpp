#include "draw/Drawing.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <cstring>

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
    QImage image = ReadPicture(path);
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

// Every picture of ours is a BMP or a PNG, whatever its name ends in. Read by Qt's own code
// for that format: a reader left to guess, or even to check the format it is given, loads
// every image plugin installed to ask it, and they stay in memory.
QImage ReadPicture(const std::string& path) {
    const std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    QImageReader reader(QString::fromStdString(path),
                        tail == ".bmp" || tail == ".BMP" ? "BMP" : "PNG");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

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
    d.plan = FramePlan{};
    d.speedGraphics = std::make_unique<Graphics>(d.SpeedBuffer);
    d.TargetGraphics = d.speedGraphics.get();
    d.savedTarget = nullptr;
    MakeButtonBrushes(d);
    d.started = true;
}

void StopDrawing() {
    DrawState& d = Drawing();
    d.TargetGraphics = nullptr;
    d.savedTarget = nullptr;
    d.speedGraphics.reset();
    d.plan = FramePlan{};
    d.started = false;
}

void SetPresenter(std::function<void(const QImage&, const QRegion&)> presenter) {
    Drawing().presenter = std::move(presenter);
}

namespace {

QPainter* SurfacePainter() {
    DrawState& d = Drawing();
    return d.speedGraphics ? &d.speedGraphics->Painter() : nullptr;
}

// Qt 6.4 fills through a clip region set after clipping was turned off as if there were
// no clip, unless clipping is turned on first.
void ClipTo(QPainter& painter, const QRegion& area, Qt::ClipOperation operation) {
    painter.setClipping(true);
    painter.setClipRegion(area, operation);
}

// Copies part of source into target with its top-left at `at`, as far as target reaches,
// without a painter, for images of one format. The target is being painted, so its
// pixels are its own; a writable scan line would still detach it from its painter, so
// rows are written through the read-only ones.
void CopyPixels(QImage& target, QPoint at, const QImage& source, const QRect& part) {
    Q_ASSERT(target.paintingActive() && target.format() == source.format());
    const QPoint shift = part.topLeft() - at; // from target to source
    const QRect to = part.intersected(source.rect()).translated(-shift).intersected(target.rect());
    if (to.isEmpty()) return;
    const int bytesPerPixel = target.depth() / 8;
    const auto bytes = static_cast<size_t>(to.width() * bytesPerPixel);
    for (int row = to.top(); row <= to.bottom(); ++row) {
        std::memcpy(const_cast<uchar*>(target.constScanLine(row)) + to.left() * bytesPerPixel,
                    source.constScanLine(row + shift.y()) + (to.left() + shift.x()) * bytesPerPixel,
                    bytes);
    }
}

void EndLimit(FramePlan& plan) {
    if (!plan.limited) return;
    plan.limited = false;
    if (QPainter* painter = SurfacePainter()) painter->setClipping(false);
}

} // namespace

void PresentBuffer() {
    DrawState& d = Drawing();
    FramePlan& plan = d.plan;
    EndLimit(plan);
    if (!d.presenter || !d.started) {
        plan.wholeDamage = true;
        return;
    }
    const QRegion changed = plan.wholeDamage ? QRegion(d.SpeedBuffer.rect()) : plan.damage;
    plan.wholeDamage = false;
    plan.damage = QRegion();
    if (!changed.isEmpty()) d.presenter(d.SpeedBuffer, changed);
}

void PlanFrame(const void* owner, std::vector<uint32_t> look, const QRegion& moved,
               std::vector<PartLook> parts) {
    DrawState& d = Drawing();
    FramePlan& plan = d.plan;
    look.insert(look.end(), plan.overlayLook.begin(), plan.overlayLook.end());
    plan.overlayLook.clear();
    const bool resumes = d.Caches && owner != nullptr && plan.owner == owner && plan.look == look &&
                         plan.parts.size() == parts.size();
    QRegion changed = moved;
    for (size_t i = 0; resumes && i < parts.size(); ++i) {
        if (parts[i] == plan.parts[i]) continue;
        changed += plan.parts[i].area;
        changed += parts[i].area;
    }
    plan.owner = owner;
    plan.look = std::move(look);
    plan.parts = std::move(parts);
    if (!resumes) {
        EndLimit(plan);
        plan.wholeDamage = true;
        return;
    }
    plan.limited = true;
    plan.area = changed;
    plan.damage += changed;
    if (QPainter* painter = SurfacePainter()) ClipTo(*painter, changed, Qt::ReplaceClip);
}

void AddOverlayLook(std::initializer_list<uint32_t> look) {
    std::vector<uint32_t>& overlay = Drawing().plan.overlayLook;
    overlay.insert(overlay.end(), look.begin(), look.end());
}

void InvalidateFrame() {
    FramePlan& plan = Drawing().plan;
    plan.owner = nullptr;
    plan.look.clear();
    plan.parts.clear();
    plan.wholeDamage = true;
    EndLimit(plan);
}

// Drawing on the surface outside a planned frame may change any of it.
QPainter* TargetPainter() {
    DrawState& d = Drawing();
    Graphics* target = d.TargetGraphics;
    if (!target) return nullptr;
    if (target == d.speedGraphics.get() && d.plan.scopes == 0) InvalidateFrame();
    return &target->Painter();
}

bool ReachesFrame(const QRect& bounds) {
    const DrawState& d = Drawing();
    return !d.plan.limited || d.TargetGraphics != d.speedGraphics.get() ||
           d.plan.area.intersects(bounds);
}

QPainter* PainterFor(const QRect& bounds) {
    QPainter* painter = TargetPainter();
    return painter && ReachesFrame(bounds) ? painter : nullptr;
}

void DrawInParts(const QRect& bounds, const std::function<void(QPainter&, const QRect&)>& draw) {
    QPainter* painter = PainterFor(bounds);
    if (!painter) return;
    // Through a clip the painter still walks every row of what it draws: worth avoiding
    // only for large areas, since each piece costs a call.
    constexpr int LargeArea = 64 * 1024;
    const FramePlan& plan = Drawing().plan;
    if (!plan.limited || painter != SurfacePainter() ||
        bounds.width() * bounds.height() < LargeArea) {
        draw(*painter, bounds);
        return;
    }
    for (const QRect& part : plan.area) {
        const QRect piece = part.intersected(bounds);
        if (!piece.isEmpty()) draw(*painter, piece);
    }
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
    QPainter* painter = TargetPainter();
    if (!painter) return;
    painter->setClipRect(area);
    const DrawState& d = Drawing();
    if (d.plan.limited && painter == SurfacePainter())
        ClipTo(*painter, d.plan.area, Qt::IntersectClip);
}

void ClearClip() {
    QPainter* painter = TargetPainter();
    if (!painter) return;
    const DrawState& d = Drawing();
    if (d.plan.limited && painter == SurfacePainter()) {
        ClipTo(*painter, d.plan.area, Qt::ReplaceClip);
    } else {
        painter->setClipping(false);
    }
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
    if (!image) return;
    const QImage& source = image->Image();
    if (graphics) {
        graphics->Painter().drawImage(x, y, source);
        return;
    }
    DrawInParts(QRect(QPoint(x, y), source.size()), [&](QPainter& painter, const QRect& piece) {
        painter.drawImage(piece.topLeft(), source, piece.translated(-x, -y));
    });
}

void PutOpaque(const QImage& image, QPoint at) {
    if (image.isNull()) return;
    QPainter* painter = PainterFor(QRect(at, image.size()));
    if (!painter) return;
    QImage& target = Drawing().TargetGraphics->Image();
    if (!painter->hasClipping() && painter->opacity() == 1.0 && target.format() == image.format()) {
        CopyPixels(target, at, image, image.rect());
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->drawImage(at, image);
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DrawOpaque(const ImageHandle& image, int x, int y) {
    if (!image) return;
    const QImage& source = image->Image();
    const QRect bounds(QPoint(x, y), source.size());
    QPainter* painter = PainterFor(bounds);
    if (!painter) return;
    DrawState& d = Drawing();
    // The painter copies through a clip of many rectangles as slowly as through none.
    if (d.plan.limited && painter == SurfacePainter() &&
        source.format() == d.SpeedBuffer.format()) {
        for (const QRect& part : d.plan.area) {
            const QRect piece = part.intersected(bounds);
            CopyPixels(d.SpeedBuffer, piece.topLeft(), source, piece.translated(-x, -y));
        }
        return;
    }
    PutOpaque(source, QPoint(x, y));
}

void DrawBackground(const ImageHandle& image) { DrawCached(image, 0, 0); }

void DrawImagePart(const ImageHandle& image, int x, int y, int w, int h, int srcX, int srcY,
                   float opacity, std::optional<Color> colorKey) {
    if (!image) return;
    const QImage& source = colorKey ? image->Keyed(*colorKey) : image->Image();
    DrawInParts(QRect(x, y, w, h), [&](QPainter& painter, const QRect& piece) {
        const qreal previous = painter.opacity();
        painter.setOpacity(opacity);
        painter.drawImage(piece, source, piece.translated(srcX - x, srcY - y));
        painter.setOpacity(previous);
    });
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
