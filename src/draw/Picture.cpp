#include "draw/Picture.h"

Picture::Picture(QImage source)
    : image(source.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {}

const QImage& Picture::Keyed(Color key) {
    if (!keyed.isNull() && keyedFor == key) return keyed;
    keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb rgb = key & 0x00FFFFFFu;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == rgb) line[x] = 0;
        }
    }
    keyed.convertTo(QImage::Format_ARGB32_Premultiplied);
    keyedFor = key;
    return keyed;
}
