#include "game/StepPanel.h"

#include "draw/Shapes.h"
#include "draw/Text.h"

#include <QStringList>

namespace {

constexpr int Left = 8;
constexpr int Top = 362;
constexpr int Width = 176;
constexpr int Height = 238;
constexpr int Margin = 8;
constexpr int LineHeight = 17;

// The words of one line, run on to as many rows as the panel's width needs.
std::vector<QString> Wrapped(const QString& line, int width) {
    std::vector<QString> rows;
    QString row;
    for (const QString& word : line.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = row.isEmpty() ? word : row + u' ' + word;
        if (!row.isEmpty() && TextWidth(longer) > width) {
            rows.push_back(row);
            row = word;
        } else {
            row = longer;
        }
    }
    if (!row.isEmpty()) rows.push_back(row);
    return rows;
}

} // namespace

void StepPanel::Show(const std::vector<std::string>& lines) {
    text.clear();
    for (const std::string& line : lines)
        text.push_back(QString::fromStdString(line));
}

bool StepPanel::Contains(int16_t x, int16_t y) const {
    return IsShown() && x >= Left && x < Left + Width && y >= Top && y < Top + Height;
}

void StepPanel::Draw() {
    if (!IsShown()) return;
    // Opaque, so the options under it do not show through the words.
    FillRectWith(Left, Top, Width, Height, MakeSolidBrush(18, 30, 16, 255));
    DrawRectOutline(Left, Top, Width, Height, MakeColor(128, 240, 255, 240), 1);
    SetFont(QStringLiteral("Arial Black"), 10, FontRegular);
    SetTextColor(255, 180, 120, 255);
    DrawText(Left + Margin, Top + Margin, QStringLiteral("NEXT STEP"));
    SetFont(QStringLiteral("Arial"), 10, FontRegular);
    SetTextColor(255, 255, 255, 255);
    int y = Top + Margin + LineHeight + 6;
    for (const QString& line : text) {
        for (const QString& row : Wrapped(line, Width - 2 * Margin)) {
            DrawText(Left + Margin, static_cast<int16_t>(y), row);
            y += LineHeight;
        }
        y += 4;
    }
}
