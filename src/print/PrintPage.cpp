#include "print/PrintPage.h"

#include "common/AppState.h"
#include "draw/FontSubstitutes.h"
#include "engine/Layout.h"
#include "engine/Rules.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

constexpr double FooterGap = 2.0;
// The footer's gap, its line and a little air: what every page must keep under the grid.
constexpr double FooterRoom = 2.5;

QFont PageFont(double points, bool bold) {
    QFont font = ResolveFontFamily(QStringLiteral("Courier New")).value_or(QFont());
    // Where no look-alike is installed, any monospaced face keeps the digits in line.
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class PagePen {
public:
    explicit PagePen(const PageTarget& target) : t(target) {}

    double Dots(double inches) const { return inches * t.dotsPerInch; }

    void Line(double width, double x1, double y1, double x2, double y2) {
        Use(width);
        t.painter.drawLine(QPointF(Dots(x1), Dots(y1)), QPointF(Dots(x2), Dots(y2)));
    }
    void Box(double width, double left, double top, double side) {
        Use(width);
        t.painter.setBrush(Qt::NoBrush);
        t.painter.drawRect(QRectF(Dots(left), Dots(top), Dots(side), Dots(side)));
    }
    void Text(const QFont& font, double x, double y, const QString& text) {
        t.painter.setFont(font);
        t.painter.setPen(Qt::black);
        t.painter.drawText(QRectF(Dots(x), Dots(y), Dots(t.inches.width()), Dots(1)),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }

private:
    void Use(double width) {
        t.painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    }

    const PageTarget& t;
};

} // namespace

void DrawPage(const PageTarget& target, double r, const Puzzle& puzzle) {
    const double width = target.inches.width();
    const double height = target.inches.height();
    const double m = width / 40;
    // The grid takes the page's width, or on a wide or short page only the height the
    // footer leaves free.
    const double S = std::min(width - 2 * m, height - 2 * m - FooterRoom);
    const double c = S / 9;
    const double thick = r == 1.0 ? 10 : 2;
    PagePen pen(target);

    pen.Box(thick, m, m, S);
    const bool regular = puzzle.layout == RegularLayout;
    if (regular) {
        for (int i = 1; i <= 3; ++i) {
            pen.Line(thick, m, m + 3 * i * c, m + S, m + 3 * i * c);
            pen.Line(thick, m + 3 * i * c, m, m + 3 * i * c, m + S);
        }
        for (int i = 1; i <= 8; ++i) {
            pen.Line(1, m, m + i * c, m + S, m + i * c);
            pen.Line(1, m + i * c, m, m + i * c, m + S);
        }
    }

    const QFont digits = PageFont(24 * r, true);
    const Grid& given = puzzle.givens;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const double x = m + column * c;
            const double y = m + row * c;
            // A number is printed with a blank where its sign would go.
            if (given[row][column] != 0)
                pen.Text(digits, x + c / 4, y + c / 4,
                         QLatin1Char(' ') + QString::number(given[row][column]));
            if (regular) continue;
            const int cell = 9 * row + column;
            const int region = RegionOf(puzzle.layout, cell);
            const bool right = column < 8 && RegionOf(puzzle.layout, cell + 1) != region;
            const bool below = row < 8 && RegionOf(puzzle.layout, cell + 9) != region;
            pen.Line(right ? thick : 1, x + c, y, x + c, y + c);
            pen.Line(below ? thick : 1, x, y + c, x + c, y + c);
        }
    }

    pen.Text(PageFont(12 * r, false), m, m + S + FooterGap,
             QStringLiteral("Printed by Korvel Sudoku ") +
                 QString::fromStdString(App().VersionText));
}

bool PrintPageOn(QPagedPaintDevice& device, const Puzzle& puzzle) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double dpi = device.logicalDpiX();
    DrawPage({painter, QSizeF(device.width() / dpi, device.height() / dpi), dpi}, 1.0, puzzle);
    return painter.end();
}
