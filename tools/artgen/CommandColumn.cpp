#include "CommandColumn.h"

#include "ArtKit.h"
#include "Layout.h"
#include "OptionIcons.h"

#include <QLinearGradient>
#include <QPainter>

namespace art {

namespace {

constexpr int kColumnLeft = 7;
constexpr int kColumnRight = 183;

void paintColumnPanel(QPainter& p) {
    const QRectF panel(kColumnLeft + 0.5, 4.5, kColumnRight - kColumnLeft, 598);
    QLinearGradient fill(0, panel.top(), 0, panel.bottom());
    fill.setColorAt(0.0, QColor(6, 30, 14, 215));
    fill.setColorAt(1.0, QColor(3, 18, 8, 230));
    p.setPen(QPen(QColor(80, 220, 120, 110), 1));
    p.setBrush(fill);
    p.drawRoundedRect(panel, 6, 6);
}

// A recessed window for the clock, or for the time bar (x 30..180) and the time left
// written below it down to y 63.
void paintClockWindow(QPainter& p) {
    const QRectF well(11.5, 8.5, 170, 55);
    p.setPen(QPen(QColor(90, 230, 130, 90), 1));
    QLinearGradient fill(0, well.top(), 0, well.bottom());
    fill.setColorAt(0.0, QColor(0, 0, 0, 200));
    fill.setColorAt(1.0, QColor(4, 24, 10, 200));
    p.setBrush(fill);
    p.drawRoundedRect(well, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 18), 1));
    p.drawLine(QPointF(15, 62.5), QPointF(178, 62.5));
}

void paintButtonFace(QPainter& p, const QRect& r) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0.0, QColor(16, 132, 52));
    fill.setColorAt(0.5, QColor(8, 96, 36));
    fill.setColorAt(1.0, QColor(4, 64, 24));
    p.fillRect(r, fill);
    p.setPen(QColor(150, 255, 180, 110));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(QColor(0, 20, 6, 160));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.setPen(QColor(90, 230, 130, 70));
    p.drawLine(r.left(), r.top() + 1, r.left(), r.bottom() - 1);
    p.drawLine(r.right(), r.top() + 1, r.right(), r.bottom() - 1);
}

void paintSectionHeading(QPainter& p, int centreY, const QString& text) {
    p.setFont(font(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    const QRect box(kColumnLeft, centreY - 8, kColumnRight - kColumnLeft, 16);
    const int textWidth = p.fontMetrics().horizontalAdvance(text);
    const int left = box.center().x() - textWidth / 2 - 8;
    const int right = box.center().x() + textWidth / 2 + 8;
    p.setPen(QPen(QColor(90, 230, 130, 110), 1));
    p.drawLine(QPointF(16, centreY + 0.5), QPointF(left, centreY + 0.5));
    p.drawLine(QPointF(right, centreY + 0.5), QPointF(kColumnRight - 9, centreY + 0.5));
    p.setPen(QColor(150, 240, 175));
    p.drawText(box, Qt::AlignCenter, text);
}

void paintRadioWell(QPainter& p, const QRect& r) {
    p.fillRect(r.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 150));
    p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 1), QColor(0, 0, 0, 120));
}

void paintOptionGroup(QPainter& p, int group, const QString& caption,
                      void (*icon)(QPainter&, const QRectF&)) {
    const QRect on = layout::optionOn(group);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    p.setPen(QColor(225, 255, 232));
    p.drawText(QRect(20, on.top() - 20, 160, 18), Qt::AlignLeft | Qt::AlignVCenter, caption);
    icon(p, QRectF(26, on.top() - 1, 22, 20));
    paintRadioWell(p, on);
    paintRadioWell(p, layout::optionOff(group));
}

} // namespace

void paintCommandColumn(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    paintColumnPanel(p);
    paintClockWindow(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < layout::kCommandCount; ++i)
        paintButtonFace(p, layout::command(i));
    p.setRenderHint(QPainter::Antialiasing);
    paintSectionHeading(p, 372, QStringLiteral("OPTIONS"));
    paintOptionGroup(p, 0, QStringLiteral("Sound"), icons::speaker);
    paintOptionGroup(p, 1, QStringLiteral("Music"), icons::musicNote);
    paintOptionGroup(p, 2, QStringLiteral("Pad assist"), icons::keypad);
    paintOptionGroup(p, 3, QStringLiteral("Highlight"), icons::crosshair);
}

} // namespace art
