#include "print/PrintPage.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "support/AppFixture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

constexpr double Dpi = 100;

// A page drawn on an image at Dpi dots per inch, with every position checked in inches.
class PageDrawing : public AppFixture {
protected:
    // Some givens of a puzzle of the type, on a page of that size at that scale.
    void Draw(int16_t type, QSizeF inches, double r) {
        Settings().PuzzleType = type;
        BuildLayout(1);
        for (int cell = 0; cell < 81; ++cell)
            Sudoku().GivenGrid[cell / 9][cell % 9] =
                (cell / 9 + 2 * (cell % 9)) % 3 == 0 ? static_cast<int16_t>(cell % 9 + 1) : 0;
        page = QImage(Dots(inches.width()), Dots(inches.height()), QImage::Format_ARGB32);
        page.setDotsPerMeterX(static_cast<int>(std::lround(Dpi / 0.0254)));
        page.setDotsPerMeterY(static_cast<int>(std::lround(Dpi / 0.0254)));
        page.fill(Qt::white);
        QPainter painter(&page);
        DrawPage({painter, inches, Dpi}, r, {Sudoku().GivenGrid, Sudoku().RegionLayout, {}});
    }

    static int Dots(double inches) { return static_cast<int>(std::lround(inches * Dpi)); }

    // How wide a line drawn across (x, y) is, counted along the x axis or the y axis.
    int LineWidth(double x, double y, bool alongX) const {
        return alongX ? Ink(x - 0.08, y, 0.17, 0.01) : Ink(x, y - 0.08, 0.01, 0.17);
    }
    // Dark dots inside an area given in inches.
    int Ink(double left, double top, double width, double height) const {
        int dark = 0;
        for (int y = Dots(top); y < Dots(top + height); ++y)
            for (int x = Dots(left); x < Dots(left + width); ++x)
                dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    }

    QImage page;
};

// Thick lines run round the grid and between boxes or regions, thin ones between cells;
// only givens are printed, and the footer stands two inches under the grid. A wide page
// fits the grid and the footer in its height; the preview draws thick lines two dots wide.
TEST_F(PageDrawing, GridLinesGivensAndFooterOnEveryPage) {
    const std::tuple<int16_t, QSizeF, double, int> pages[] = {{0, {8.27, 11.69}, 1, 10},
                                                              {3, {8.27, 11.69}, 1, 10},
                                                              {0, {11.69, 8.27}, 1, 10},
                                                              {0, {8.27, 11.69}, 0.5, 2}};
    for (const auto& [type, inches, r, thick] : pages) {
        SCOPED_TRACE(inches.width() * 10 + type + r);
        Draw(type, inches, r);
        const LayoutRows& regions = Sudoku().RegionLayout;
        const double m = inches.width() / 40;
        const double S = std::min(inches.width() - 2 * m, inches.height() - 2 * m - 2.5);
        const double c = S / 9;
        for (int i = 0; i <= 9; ++i)
            for (int k = 0; k < 9; ++k) {
                // Near the top or left of a cell, clear of its digit and of lines across.
                const double along = m + (k + 0.15) * c;
                const bool vertical = i == 0 || i == 9 || regions[k][i - 1] != regions[k][i];
                const bool horizontal = i == 0 || i == 9 || regions[i - 1][k] != regions[i][k];
                EXPECT_EQ(LineWidth(m + i * c, along, true), vertical ? thick : 1) << i << k;
                EXPECT_EQ(LineWidth(along, m + i * c, false), horizontal ? thick : 1) << i << k;
                EXPECT_EQ(i < 9 && Ink(m + (i + 0.2) * c, m + (k + 0.2) * c, 0.65 * c, 0.65 * c),
                          i < 9 && Sudoku().GivenGrid[k][i] != 0);
            }
        EXPECT_EQ(Ink(m + S + 0.1, m, inches.width() - m - S - 0.1, S), 0);
        EXPECT_EQ(Ink(m, m + S + 0.1, S, 1.85), 0);
        EXPECT_GT(Ink(m, m + S + 2, 3, 0.3), 0);
        EXPECT_EQ(Ink(0, m + S + 2.3, inches.width(), inches.height() - m - S - 2.3), 0);
    }
}

} // namespace
