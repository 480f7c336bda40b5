#include "HelpPages.h"

#include "ArtKit.h"
#include "HelpLayout.h"
#include "Layout.h"
#include "help_pages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRegularExpression>

#include <iterator>
#include <stdexcept>

namespace art {

namespace {

// Above the panel the title shows; below it the game puts Close, Back, Next.
const QRect kPanel(22, 100, 756, 418);
constexpr int kPageCount = static_cast<int>(std::size(help::kPages));

void paintPanel(QPainter& p) {
    QLinearGradient fill(0, kPanel.top(), 0, kPanel.bottom());
    fill.setColorAt(0.0, QColor(6, 34, 16, 222));
    fill.setColorAt(1.0, QColor(2, 18, 8, 238));
    p.setPen(QPen(QColor(120, 255, 165, 150), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(kPanel).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    p.setPen(QPen(QColor(120, 255, 165, 45), 1));
    p.drawLine(QPointF(kPanel.center().x() + 0.5, kPanel.top() + 60),
               QPointF(kPanel.center().x() + 0.5, kPanel.bottom() - 14));
}

void paintTitle(QPainter& p, const QString& title, int page) {
    const QRect bar(kPanel.left() + 20, kPanel.top() + 10, kPanel.width() - 40, 34);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 24, QFont::Bold));
    p.setPen(QColor(150, 255, 185));
    p.drawText(bar, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 13));
    p.setPen(QColor(150, 255, 185, 200));
    p.drawText(bar, Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Page %1 of %2").arg(page).arg(kPageCount));
    p.setPen(QPen(QColor(120, 255, 165, 110), 1));
    p.drawLine(QPointF(bar.left(), bar.bottom() + 5.5), QPointF(bar.right(), bar.bottom() + 5.5));
}

QStringList keyCaps(const QString& keys) {
    static const QRegularExpression cap(QStringLiteral("\\[([^\\]]+)\\]"));
    QStringList caps;
    for (auto it = cap.globalMatch(keys); it.hasNext();)
        caps << it.next().captured(1);
    return caps;
}

QStringList tableCells(const QString& line) {
    QStringList cells = line.mid(1).split(QLatin1Char('|'));
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
}

void layOut(HelpLayout& layout, const QString& line) {
    if (line.isEmpty())
        layout.space();
    else if (line.startsWith(QStringLiteral("## ")))
        layout.heading(line.mid(3));
    else if (line.startsWith(QStringLiteral("- ")))
        layout.bullet(line.mid(2));
    else if (line == QStringLiteral("||"))
        layout.nextColumn();
    else if (line.startsWith(QLatin1Char('|')))
        layout.tableRow(tableCells(line));
    else if (line.startsWith(QLatin1Char('@')))
        layout.figure(line.mid(1));
    else if (line.startsWith(QLatin1Char('[')) && line.contains(QStringLiteral(" :: ")))
        layout.keys(keyCaps(line.section(QStringLiteral(" :: "), 0, 0)),
                    line.section(QStringLiteral(" :: "), 1));
    else
        layout.paragraph(line);
}

QImage drawPage(const QString& source, int page) {
    QStringList lines = source.split(QLatin1Char('\n'));
    const QString title = lines.takeFirst().mid(2);
    QImage image = canvas(layout::kScreenWidth, layout::kScreenHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintPanel(p);
    paintTitle(p, title, page);
    const int top = kPanel.top() + 60;
    const int bottom = kPanel.bottom() - 12;
    const int half = kPanel.width() / 2;
    HelpLayout flow(p, QRect(kPanel.left() + 24, top, half - 44, bottom - top),
                    QRect(kPanel.left() + half + 20, top, half - 44, bottom - top));
    for (const QString& line : lines)
        layOut(flow, line);
    flow.finish();
    return image;
}

} // namespace

void writeHelpPages(const QString& outDir) {
    for (int i = 0; i < kPageCount; ++i) {
        const QString name = QStringLiteral("help%1.png").arg(i + 1);
        try {
            save(drawPage(QString::fromUtf8(help::kPages[i]), i + 1), outDir + "/" + name);
        } catch (const std::runtime_error& error) {
            throw std::runtime_error(name.toStdString() + ": " + error.what());
        }
    }
}

} // namespace art
