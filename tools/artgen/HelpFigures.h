#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace art {

// Draws the named picture of a help page at the top of the box and returns
// its height; throws for an unknown name.
int drawFigure(QPainter& p, const QString& name, const QRect& box);

// Draws a table whose first row is the header; returns its height.
int drawTable(QPainter& p, const QPoint& topLeft, int width, const std::vector<QStringList>& rows);

} // namespace art
