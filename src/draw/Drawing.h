#pragma once

#include "draw/Color.h"
#include "draw/FramePlan.h"
#include "draw/Graphics.h"
#include "draw/Picture.h"
#include "draw/Rect.h"

#include <QBrush>
#include <QImage>
#include <QPoint>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// The drawing layer's shared state: one surface that every screen paints, the current
// target, and the brushes and images that many widgets share.
struct DrawState {
    bool started = false;
    int32_t ScreenWidth = 0;
    int32_t ScreenHeight = 0;
    QImage SpeedBuffer;
    std::unique_ptr<Graphics> speedGraphics;
    Graphics* TargetGraphics = nullptr;
    Graphics* savedTarget = nullptr;
    std::function<void(const QImage&, const QRegion&)> presenter;
    FramePlan plan;
    std::function<void(const std::string&)> missingFile;

    // Index 0 the green palette, 1 the white one.
    std::array<QBrush, 2> ButtonBrushNormal;
    std::array<QBrush, 2> ButtonBrushHover;
    std::array<QBrush, 2> ButtonBrushDown;
    std::array<QBrush, 2> ButtonBrushDisabled;

    std::array<ImageHandle, 9> BlockImages;
    ImageHandle BlockFrameImage;
    std::array<double, 6> FlashOpacity{}; // steps 1..5
    bool blockImagesLoaded = false;

    // Screens draw only what moved since their last frame, from glyphs and layouts made
    // once; tests turn that off to check that every frame looks the same both ways.
    bool Caches = true;
};

DrawState& Drawing();

// A fresh 32-bit image at 96 dpi, the resolution that font point sizes are meant for.
QImage MakeSurface(int width, int height);

void StartDrawing(int width, int height);
void StopDrawing();

// Hands the surface to whoever shows it (the main window), with the part that may have
// changed since the last frame: all of it, or what the frames drawn since then said they
// changed. A frame that changed nothing is not handed on.
void SetPresenter(std::function<void(const QImage& surface, const QRegion& changed)> presenter);
void PresentBuffer();

// The painter of the current target; none once the drawing layer is shut down, and every
// drawing operation then does nothing.
QPainter* TargetPainter();
// Whether drawing inside bounds can change anything: not when the frame being drawn on the
// surface keeps to a part that bounds misses, for what is there already stays.
bool ReachesFrame(const QRect& bounds);
// The target's painter, or none when drawing inside bounds would not reach the frame.
QPainter* PainterFor(const QRect& bounds);
// Calls draw with the target's painter for the part of bounds that can change: all of it,
// or in a frame drawing only what moved each of its pieces inside that, since the painter
// goes through a clip of many pieces as slowly as through none. For drawing that gives the
// same pixels piece by piece: images at their size, fills.
void DrawInParts(const QRect& bounds, const std::function<void(QPainter&, const QRect&)>& draw);
// One saved slot, not a stack: calls must not be nested.
void SetDrawTarget(Graphics& graphics);
void RestoreDrawTarget();
// Keeps drawing on the current target inside one rectangle until ClearClip (and inside
// the part that moved, in a frame drawing only that).
void SetClip(const QRect& area);
void ClearClip();
std::unique_ptr<Graphics> GetImageGraphics(const ImageHandle& image);

// Told the path of an image file that is not there (not of one that fails to decode).
void SetMissingFileHandler(std::function<void(const std::string&)> handler);

// A picture file of the game's as it is, or a null image when it cannot be read.
QImage ReadPicture(const std::string& path);
ImageHandle LoadImage(const std::string& path);
ImageHandle LoadCachedImage(const std::string& path);

void DrawCached(const ImageHandle& image, int x, int y, Graphics* graphics = nullptr);
void DrawBackground(const ImageHandle& image);
// Puts an image without transparency on the target at `at`: copied without a painter
// unless the painter has a clip or an opacity that a copy would not honour.
void PutOpaque(const QImage& image, QPoint at);
// For an image without transparency: copied, which gives what blending it gives, sooner.
// Only the frame's own clip applies, not one from SetClip.
void DrawOpaque(const ImageHandle& image, int x, int y);
void DrawImagePart(const ImageHandle& image, int x, int y, int w, int h, int srcX, int srcY,
                   float opacity = 1.0f, std::optional<Color> colorKey = std::nullopt);
// The same, with the destination as a rectangle and the source as its top-left point.
void DrawImageRect(const ImageHandle& image, const Rect& destination, QPoint source,
                   float opacity = 1.0f, std::optional<Color> colorKey = std::nullopt);

// Region shades, cell highlight and flash table, loaded once per run.
void LoadBlockImages(const std::string& programFolder);
