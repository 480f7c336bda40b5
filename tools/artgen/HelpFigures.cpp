#include "HelpFigures.h"

#include "ArtKit.h"
#include "NumberPad.h"
#include "PadIcons.h"
#include "Shades.h"

#include <QLinearGradient>
#include <QPainter>

#include <stdexcept>

namespace art {

namespace {

constexpr int kMiniCell = 15;
constexpr int kMiniPitch = 16;
constexpr int kMiniBoard = 9 * kMiniPitch + 1;

// A made-up layout of nine irregular regions, one digit per region.
const char* const kNonominoRegions[9] = {"111122222", "113322244", "133332444",
                                         "153366644", "555367774", "558866677",
                                         "588869977", "588899997", "888899999"};
// A few givens, for the look of a puzzle: (row, column, digit).
const int kGivens[][3] = {{0, 1, 5}, {1, 4, 3}, {2, 7, 8}, {3, 2, 1}, {4, 5, 6},
                          {5, 0, 9}, {6, 6, 2}, {7, 3, 7}, {8, 8, 4}, {0, 6, 9}};

int regularRegion(int row, int column) { return (row / 3 == 1) != (column / 3 == 1) ? 1 : 0; }

int nonominoRegion(int row, int column) { return kNonominoRegions[row][column] - '1'; }

void drawMiniBoard(QPainter& p, const QPoint& at, int (*region)(int, int)) {
    p.fillRect(QRect(at, QSize(kMiniBoard, kMiniBoard)), QColor(50, 170, 90));
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QRect cell(at.x() + 1 + kMiniPitch * column, at.y() + 1 + kMiniPitch * row,
                             kMiniCell, kMiniCell);
            p.fillRect(cell, kShades[static_cast<std::size_t>(region(row, column))].base);
        }
    }
    p.setFont(font(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    p.setPen(QColor(200, 200, 200));
    for (const auto& given : kGivens) {
        const QRect cell(at.x() + 1 + kMiniPitch * given[1], at.y() + 1 + kMiniPitch * given[0],
                         kMiniCell, kMiniCell);
        p.drawText(cell, Qt::AlignCenter, QString::number(given[2]));
    }
}

int drawBoards(QPainter& p, const QRect& box) {
    const int gap = (box.width() - 2 * kMiniBoard) / 3;
    const QPoint left(box.left() + gap, box.top() + 4);
    const QPoint right(left.x() + kMiniBoard + gap, left.y());
    drawMiniBoard(p, left, regularRegion);
    drawMiniBoard(p, right, nonominoRegion);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    p.setPen(QColor(130, 255, 170));
    const int captionTop = left.y() + kMiniBoard + 4;
    p.drawText(QRect(left.x(), captionTop, kMiniBoard, 20), Qt::AlignCenter,
               QStringLiteral("Regular"));
    p.drawText(QRect(right.x(), captionTop, kMiniBoard, 20), Qt::AlignCenter,
               QStringLiteral("Nonomino"));
    return kMiniBoard + 28;
}

QBrush buttonGreen(int top) {
    QLinearGradient fill(0, top, 0, top + 40);
    fill.setColorAt(0.0, QColor(0, 255, 0, 128));
    fill.setColorAt(1.0, QColor(0, 255, 0, 88));
    return fill;
}

void drawPadButtons(QPainter& p, const QPoint& at) {
    static const int columns[3] = {12, 54, 96};
    static const int rows[4] = {22, 64, 106, 148};
    p.setFont(font(QStringLiteral("DejaVu Sans"), 28, QFont::Bold));
    for (int i = 0; i < 12; ++i) {
        const QRect r(at.x() + columns[i % 3], at.y() + rows[i / 3], 40, 40);
        p.fillRect(r, buttonGreen(r.top()));
        if (i < 9) {
            p.setPen(QColor(255, 255, 255, 200));
            p.drawText(r, Qt::AlignCenter, QString::number(i + 1));
        }
    }
    p.drawImage(at.x() + 12, at.y() + 148, eraserIcon());
    p.drawImage(at.x() + 54, at.y() + 148, hintIcon());
    p.drawImage(at.x() + 96, at.y() + 148, pencilSwitch().copy(0, 0, 40, 40));
    p.setFont(font(QStringLiteral("Liberation Sans"), 13));
    p.setPen(Qt::white);
    p.drawText(QRect(at.x() + 84, at.y() + 168, 20, 20), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("3"));
}

// A leader from a point of the picture, down to the label's height if need
// be, then across to the label.
void drawCallout(QPainter& p, const QPoint& from, const QPoint& labelAt, const QString& label) {
    p.setPen(QPen(QColor(130, 255, 170, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    const QPoint corner(from.x(), labelAt.y());
    p.drawPolyline(QList<QPoint>{from, corner, QPoint(labelAt.x() - 6, labelAt.y())});
    p.setBrush(QColor(130, 255, 170));
    p.drawEllipse(QPointF(from), 2.5, 2.5);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    p.setPen(QColor(228, 255, 234));
    p.drawText(QRect(labelAt.x(), labelAt.y() - 10, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               label);
}

int drawPad(QPainter& p, const QRect& box) {
    const QPoint at(box.left() + 10, box.top() + 4);
    p.drawImage(at, padPanel());
    drawPadButtons(p, at);
    const int labels = at.x() + 190;
    drawCallout(p, at + QPoint(136, 42), QPoint(labels, at.y() + 42),
                QStringLiteral("digits 1 to 9"));
    drawCallout(p, at + QPoint(136, 168), QPoint(labels, at.y() + 168),
                QStringLiteral("pencil switch"));
    drawCallout(p, at + QPoint(74, 190), QPoint(labels, at.y() + 214),
                QStringLiteral("hint, 3 left"));
    drawCallout(p, at + QPoint(32, 190), QPoint(labels, at.y() + 236), QStringLiteral("eraser"));
    return 246;
}

} // namespace

int drawFigure(QPainter& p, const QString& name, const QRect& box) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    int height = 0;
    if (name == QStringLiteral("boards"))
        height = drawBoards(p, box);
    else if (name == QStringLiteral("pad"))
        height = drawPad(p, box);
    else
        throw std::runtime_error("unknown help figure " + name.toStdString());
    p.restore();
    return height;
}

int drawTable(QPainter& p, const QPoint& topLeft, int width, const std::vector<QStringList>& rows) {
    constexpr int kRowHeight = 19;
    const int columns = static_cast<int>(rows.front().size());
    // The first columns name the stage, the rest hold numbers.
    const double weights[] = {0.7, 1.35, 1.1, 1.0, 1.0, 1.0};
    double total = 0;
    for (int c = 0; c < columns; ++c)
        total += weights[c];
    p.save();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = topLeft.y() + static_cast<int>(r) * kRowHeight;
        const QColor band = r == 0 ? QColor(30, 120, 60, 220)
                                   : (r % 2 ? QColor(255, 255, 255, 14) : QColor(0, 0, 0, 0));
        p.fillRect(QRect(topLeft.x(), top, width, kRowHeight), band);
        p.setFont(font(QStringLiteral("DejaVu Sans"), 12, r == 0 ? QFont::Bold : QFont::Normal));
        p.setPen(r == 0 ? QColor(255, 255, 255) : QColor(228, 255, 234));
        double x = topLeft.x();
        for (int c = 0; c < columns; ++c) {
            const double w = width * weights[c] / total;
            p.drawText(QRectF(x, top, w, kRowHeight), Qt::AlignCenter, rows[r].value(c));
            x += w;
        }
    }
    p.restore();
    return static_cast<int>(rows.size()) * kRowHeight;
}

} // namespace art
