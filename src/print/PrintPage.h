#pragma once

#include "model/Puzzle.h"

#include <QSizeF>

class QPainter;
class QPagedPaintDevice;

// Where a page is drawn: the painter works in device dots, the page is measured in inches.
struct PageTarget {
    QPainter& painter;
    QSizeF inches;
    double dotsPerInch;
};

// The dealt puzzle on one page: the grid with its givens, box or region borders, and the
// footer two inches below it. r is 1 on paper and the preview's scale on screen; only thick
// lines differ, 10 dots on paper and 2 pixels on screen, because a preview line scaled down
// would vanish.
void DrawPage(const PageTarget& target, double r, const Puzzle& puzzle);

// The page on a printer or PDF writer, at its full paper size. False when the device could
// not start or finish the page.
bool PrintPageOn(QPagedPaintDevice& device, const Puzzle& puzzle);
