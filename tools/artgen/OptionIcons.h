#pragma once

#include <QRectF>

class QPainter;

// Small line icons beside the option groups, so each switch is recognised
// without reading its caption.
namespace art::icons {

void speaker(QPainter& p, const QRectF& box);
void musicNote(QPainter& p, const QRectF& box);
void keypad(QPainter& p, const QRectF& box);
void crosshair(QPainter& p, const QRectF& box);

} // namespace art::icons
