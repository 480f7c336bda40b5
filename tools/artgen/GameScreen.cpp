#include "GameScreen.h"

#include "ArtKit.h"
#include "Backdrop.h"
#include "CommandColumn.h"
#include "Layout.h"

#include <QPainter>

namespace art {

namespace {

using namespace layout;

// The area the cells and the lit gaps between them take, with a 2-pixel rim.
QRect gridArea() { return {kBoardLeft - 2, kBoardTop - 2, kBoardSpan + 4, kBoardSpan + 4}; }

void paintBoardGlow(QPainter& p) {
    QImage shape = canvas(kScreenWidth, kScreenHeight);
    {
        QPainter s(&shape);
        s.fillRect(gridArea().adjusted(-6, -6, 6, 6), Qt::white);
    }
    drawGlow(p, shape, QColor(40, 200, 90), 24, 0.55);
}

void paintBoardPlate(QPainter& p) {
    const QRectF plate = QRectF(gridArea()).adjusted(-6.5, -6.5, 6.5, 6.5);
    p.setPen(QPen(QColor(110, 255, 160, 160), 1));
    p.setBrush(QColor(2, 12, 6));
    p.drawRoundedRect(plate, 5, 5);
}

// The gaps between the cells show this light: they are the grid lines.
void paintGridLines(QPainter& p) {
    p.fillRect(gridArea(), QColor(50, 170, 90));
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            p.fillRect(cell(column, row), QColor(2, 7, 4));
    }
}

// The game screen has no title of its own; a small one sits above the board.
void paintCaption(QPainter& p) {
    p.setFont(font(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    p.setPen(QColor(150, 240, 175, 200));
    const QString name = QStringLiteral("KORVEL SUDOKU");
    p.drawText(QRect(kBoardLeft, 6, kBoardSpan, 20), Qt::AlignRight | Qt::AlignVCenter, name);
}

} // namespace

void writeGameScreen(const QString& outDir) {
    QImage image = backdrop(kScreenWidth, kScreenHeight, 7);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintBoardGlow(p);
    paintBoardPlate(p);
    paintGridLines(p);
    paintCaption(p);
    paintCommandColumn(p);
    p.end();
    save(image.convertToFormat(QImage::Format_RGB32), outDir + "/newmain.png");
}

} // namespace art
