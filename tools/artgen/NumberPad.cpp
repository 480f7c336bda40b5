#include "NumberPad.h"

#include "ArtKit.h"
#include "PadIcons.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

constexpr int kPadWidth = 180;
constexpr int kPadHeight = 200;
// The buttons fill x 12..136; the panel keeps the same margin on the right
// and leaves the rest of the reserved area clear.
constexpr int kPanelWidth = 148;
constexpr int kButton = 40;
constexpr int kColumns[3] = {12, 54, 96};
constexpr int kRows[4] = {22, 64, 106, 148};

void paintPanel(QPainter& p) {
    const QRectF panel(0.5, 0.5, kPanelWidth - 1, kPadHeight - 1);
    QLinearGradient fill(0, 0, 0, kPadHeight);
    fill.setColorAt(0.0, QColor(10, 44, 20, 235));
    fill.setColorAt(1.0, QColor(2, 16, 7, 245));
    p.setPen(QPen(QColor(110, 255, 160, 190), 1));
    p.setBrush(fill);
    p.drawRoundedRect(panel, 6, 6);
    p.setPen(QPen(QColor(110, 255, 160, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(2, 2, -2, -2), 4, 4);
}

void paintHeader(QPainter& p) {
    QFont f = font(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(f);
    p.setPen(QColor(160, 245, 185));
    p.drawText(QRect(0, 4, kPanelWidth, 15), Qt::AlignCenter, QStringLiteral("NUMBER"));
}

// Dark wells under the translucent buttons make them look set into the pad.
void paintWells(QPainter& p) {
    for (int y : kRows) {
        for (int x : kColumns) {
            p.fillRect(QRect(x, y, kButton, kButton), QColor(0, 0, 0, 150));
            p.fillRect(QRect(x, y + kButton, kButton, 1), QColor(140, 255, 180, 60));
        }
    }
}

} // namespace

QImage padPanel() {
    QImage image = canvas(kPadWidth, kPadHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintPanel(p);
    paintHeader(p);
    paintWells(p);
    return image;
}

void writeNumberPad(const QString& outDir) {
    save(padPanel(), outDir + "/npad.png");
    save(keyed(eraserIcon(), kButtonGreen), outDir + "/55.bmp");
    save(keyed(hintIcon(), kButtonGreen), outDir + "/hint.png");
    save(pencilSwitch(), outDir + "/pencil.png");
}

} // namespace art
