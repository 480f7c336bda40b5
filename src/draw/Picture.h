#pragma once

#include "draw/Color.h"

#include <QImage>
#include <memory>

// A loaded image. Colour-keyed copies are made once per key and kept, so a keyed
// image costs nothing extra per frame.
class Picture {
public:
    explicit Picture(QImage image);

    QImage& Image() { return image; }
    const QImage& Keyed(Color key);

private:
    QImage image;
    QImage keyed;
    Color keyedFor = 0;
};

// A missing or unreadable file gives an empty handle, which draws nothing.
using ImageHandle = std::shared_ptr<Picture>;
