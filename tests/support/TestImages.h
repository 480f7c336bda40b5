#pragma once

#include "draw/Picture.h"

#include <QColor>
#include <QImage>
#include <memory>

// A stand-in for artwork: tests decide the colours, so they need no res/ folder.
inline ImageHandle SolidPicture(int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    return std::make_shared<Picture>(image);
}
