#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

namespace art {

// Flows the elements of one help page down two columns of a panel; throws
// when the text does not fit, so an overlong page is caught when the art is
// made rather than by a player.
class HelpLayout {
public:
    HelpLayout(QPainter& painter, const QRect& leftColumn, const QRect& rightColumn);

    void heading(const QString& text);
    void paragraph(const QString& text);
    void bullet(const QString& text);
    void keys(const QStringList& caps, const QString& text);
    void tableRow(const QStringList& cells);
    void space();
    void figure(const QString& name);
    void nextColumn();
    // Draws what is still pending (a table) and checks the page fits.
    void finish();

private:
    int richText(const QString& text, int left, int width);
    void flushTable();
    void advance(int height);
    QRect column() const;

    QPainter& painter_;
    QRect columns_[2];
    int current_ = 0;
    int y_;
    std::vector<QStringList> table_;
};

} // namespace art
