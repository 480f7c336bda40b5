#include "HelpLayout.h"

#include "ArtKit.h"
#include "HelpFigures.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace art {

namespace {

constexpr int kBodyPixels = 13;
const QColor kBodyInk(228, 255, 234);
const QColor kHeadingInk(130, 255, 170);

QString toHtml(const QString& text) {
    QString html = text.toHtmlEscaped();
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

QTextDocument* makeDocument(const QString& text, int width, QObject* parent) {
    auto* doc = new QTextDocument(parent);
    doc->setDefaultFont(font(QStringLiteral("DejaVu Sans"), kBodyPixels));
    doc->setDocumentMargin(0);
    doc->setTextWidth(width);
    doc->setHtml(QStringLiteral("<div style=\"line-height: 118%;\">") + toHtml(text) +
                 QStringLiteral("</div>"));
    return doc;
}

int keyCapWidth(QPainter& p, const QString& cap) {
    return std::max(24, p.fontMetrics().horizontalAdvance(cap) + 14);
}

void drawKeyCap(QPainter& p, const QRect& r, const QString& cap) {
    p.setPen(QPen(QColor(150, 255, 185, 200), 1));
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0.0, QColor(40, 120, 65));
    fill.setColorAt(1.0, QColor(10, 50, 24));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, cap);
}

} // namespace

HelpLayout::HelpLayout(QPainter& painter, const QRect& leftColumn, const QRect& rightColumn)
    : painter_(painter), columns_{leftColumn, rightColumn}, y_(leftColumn.top()) {}

QRect HelpLayout::column() const { return columns_[current_]; }

void HelpLayout::advance(int height) {
    y_ += height;
    if (y_ > column().bottom())
        throw std::runtime_error("text does not fit column " + std::to_string(current_ + 1) + ", " +
                                 std::to_string(y_ - column().bottom()) + " px too long");
}

int HelpLayout::richText(const QString& text, int left, int width) {
    QTextDocument* doc = makeDocument(text, width, nullptr);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, kBodyInk);
    painter_.save();
    painter_.translate(left, y_);
    doc->documentLayout()->draw(&painter_, context);
    painter_.restore();
    const int height = static_cast<int>(doc->size().height() + 0.5);
    delete doc;
    return height;
}

void HelpLayout::heading(const QString& text) {
    flushTable();
    if (y_ > column().top()) advance(5);
    painter_.setFont(font(QStringLiteral("DejaVu Sans"), 16, QFont::Bold));
    painter_.setPen(kHeadingInk);
    const QRect box(column().left(), y_, column().width(), 22);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    const int lineLeft = box.left() + painter_.fontMetrics().horizontalAdvance(text) + 10;
    painter_.setPen(QPen(QColor(130, 255, 170, 70), 1));
    painter_.drawLine(QPointF(lineLeft, box.center().y() + 1.5),
                      QPointF(box.right(), box.center().y() + 1.5));
    advance(26);
}

void HelpLayout::paragraph(const QString& text) {
    flushTable();
    advance(richText(text, column().left(), column().width()) + 3);
}

void HelpLayout::bullet(const QString& text) {
    flushTable();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kHeadingInk);
    painter_.drawEllipse(QPointF(column().left() + 5, y_ + 9.5), 2.6, 2.6);
    advance(richText(text, column().left() + 16, column().width() - 16) + 3);
}

void HelpLayout::keys(const QStringList& caps, const QString& text) {
    flushTable();
    painter_.setFont(font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold));
    int x = column().left();
    for (const QString& cap : caps) {
        const int width = keyCapWidth(painter_, cap);
        drawKeyCap(painter_, QRect(x, y_, width, 24), cap);
        x += width + 5;
    }
    // The description's first line sits level with the key caps.
    constexpr int kTextDrop = 3;
    const int textLeft = column().left() + 118;
    y_ += kTextDrop;
    const int height = richText(text, textLeft, column().right() - textLeft);
    y_ -= kTextDrop;
    advance(std::max(28, height + kTextDrop + 8));
}

void HelpLayout::tableRow(const QStringList& cells) { table_.push_back(cells); }

void HelpLayout::flushTable() {
    if (table_.empty()) return;
    advance(drawTable(painter_, QPoint(column().left(), y_), column().width(), table_) + 6);
    table_.clear();
}

void HelpLayout::space() {
    flushTable();
    advance(8);
}

void HelpLayout::figure(const QString& name) {
    flushTable();
    advance(drawFigure(painter_, name, QRect(column().left(), y_, column().width(), 0)) + 8);
}

void HelpLayout::nextColumn() {
    flushTable();
    current_ = 1;
    y_ = column().top();
}

void HelpLayout::finish() { flushTable(); }

} // namespace art
