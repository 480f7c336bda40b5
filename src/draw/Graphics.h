#pragma once

#include <QImage>
#include <QPainter>

// A drawing context bound to one image for as long as it lives. Painters stay open
// between calls because opening one per primitive would cost more than the drawing.
class Graphics {
public:
    explicit Graphics(QImage& image);
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    QPainter& Painter() { return painter; }
    QImage& Image() { return *image; }

private:
    QImage* image;
    QPainter painter;
};
