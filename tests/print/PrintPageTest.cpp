#include "print/PrintPage.h"

#include "engine/EngineState.h"
#include "engine/GameSettings.h"
#include "engine/Layout.h"
#include "support/AppFixture.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr double Dpi = 100;
const QSizeF A4(8.27, 11.69);

// A page drawn on an image at Dpi dots per inch, with every position checked in inches.
class PageDrawing : public AppFixture {
protected:
    void Draw(QSizeF inches, double r = 1.0) {
        page = QImage(static_cast<int>(inches.width() * Dpi),
                      static_cast<int>(inches.height() * Dpi), QImage::Format_ARGB32);
        page.setDotsPerMeterX(static_cast<int>(std::lround(Dpi / 0.0254)));
        page.setDotsPerMeterY(static_cast<int>(std::lround(Dpi / 0.0254)));
        page.fill(Qt::white);
        QPainter painter(&page);
        DrawPage({painter, inches, Dpi}, r, {Sudoku().GivenGrid, Sudoku().RegionLayout, {}});
        painter.end();
        m = inches.width() / 40;
    }

    // Some givens of a puzzle.
    static void Deal(int16_t type) {
        Settings().PuzzleType = type;
        BuildLayout(1);
        EngineState& s = Sudoku();
        for (int row = 0; row < 9; ++row)
            for (int column = 0; column < 9; ++column)
                s.GivenGrid[row][column] =
                    (row + 2 * column) % 3 == 0 ? static_cast<int16_t>(column + 1) : 0;
    }

    int Dots(double inches) const { return static_cast<int>(std::lround(inches * Dpi)); }
    bool Dark(int x, int y) const { return qGray(page.pixel(x, y)) < 128; }

    // Dark dots across a line expected at position `at` (inches), scanned at `along`.
    int VerticalLineWidth(double at, double along) const {
        int dark = 0;
        for (int x = Dots(at) - 8; x <= Dots(at) + 8; ++x)
            dark += Dark(x, Dots(along)) ? 1 : 0;
        return dark;
    }
    int HorizontalLineWidth(double at, double along) const {
        int dark = 0;
        for (int y = Dots(at) - 8; y <= Dots(at) + 8; ++y)
            dark += Dark(Dots(along), y) ? 1 : 0;
        return dark;
    }
    // Dark dots inside an area given in inches.
    int Ink(double left, double top, double width, double height) const {
        int dark = 0;
        for (int y = Dots(top); y < Dots(top + height); ++y)
            for (int x = Dots(left); x < Dots(left + width); ++x)
                dark += Dark(x, y) ? 1 : 0;
        return dark;
    }
    int CellInk(double c, int row, int column) const {
        return Ink(m + (column + 0.2) * c, m + (row + 0.2) * c, 0.65 * c, 0.65 * c);
    }

    QImage page;
    double m = 0;
};

TEST_F(PageDrawing, RegularGridHasThickBoxLinesAndThinCellLines) {
    Deal(0);
    Draw(A4);
    const double S = A4.width() - 2 * m;
    const double c = S / 9;
    for (int i = 0; i <= 9; ++i) {
        const int expected = i % 3 == 0 ? 10 : 1;
        for (int cell = 0; cell < 9; ++cell) {
            // Near the top or left of a cell, clear of its digit and of lines across.
            const double along = m + (cell + 0.15) * c;
            EXPECT_EQ(VerticalLineWidth(m + i * c, along), expected) << i << " " << cell;
            EXPECT_EQ(HorizontalLineWidth(m + i * c, along), expected) << i << " " << cell;
        }
    }
}

TEST_F(PageDrawing, OnlyGivenDigitsArePrintedAndTheFooterTwoInchesBelow) {
    Deal(0);
    Draw(A4);
    const double S = A4.width() - 2 * m;
    const double c = S / 9;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const bool given = Sudoku().GivenGrid[row][column] != 0;
            EXPECT_EQ(CellInk(c, row, column) > 0, given) << row << " " << column;
        }
    }
    EXPECT_EQ(Ink(m, m + S + 0.1, S, 1.85), 0);
    EXPECT_GT(Ink(m, m + S + 2, 3, 0.3), 0);
    EXPECT_EQ(Ink(m, m + S + 2.3, S, A4.height() - m - S - 2.3), 0);
}

TEST_F(PageDrawing, NonominoGetsRegionBordersCellByCellAndNoBoxLines) {
    Deal(3);
    Draw(A4);
    const double S = A4.width() - 2 * m;
    const double c = S / 9;
    const LayoutRows& regions = Sudoku().RegionLayout;
    int thinOnABoxLine = 0;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const double along = m + (row + 0.15) * c;
            const bool border = column == 8 || regions[row][column] != regions[row][column + 1];
            EXPECT_EQ(VerticalLineWidth(m + (column + 1) * c, along), border ? 10 : 1)
                << row << " " << column;
            thinOnABoxLine += !border && column % 3 == 2 ? 1 : 0;

            const bool below = row == 8 || regions[row][column] != regions[row + 1][column];
            EXPECT_EQ(HorizontalLineWidth(m + (row + 1) * c, m + (column + 0.15) * c),
                      below ? 10 : 1)
                << row << " " << column;
        }
    }
    EXPECT_GT(thinOnABoxLine, 0) << "the layout should cross a box line somewhere";
}

TEST_F(PageDrawing, PreviewDrawsThickLinesTwoDotsWide) {
    Deal(0);
    Draw(A4, 0.5);
    const double c = (A4.width() - 2 * m) / 9;
    EXPECT_EQ(VerticalLineWidth(m, m + 0.15 * c), 2);
    EXPECT_EQ(VerticalLineWidth(m + 3 * c, m + 0.15 * c), 2);
    EXPECT_EQ(VerticalLineWidth(m + c, m + 0.15 * c), 1);
}

TEST_F(PageDrawing, WidePageFitsTheGridAndTheFooterInItsHeight) {
    Deal(0);
    const QSizeF landscape(11.69, 8.27);
    Draw(landscape);
    const double S = landscape.height() - 2 * m - 2.5;
    const double c = S / 9;
    EXPECT_EQ(VerticalLineWidth(m + S, m + 0.15 * c), 10);
    EXPECT_EQ(HorizontalLineWidth(m + S, m + 0.15 * c), 10);
    EXPECT_EQ(Ink(m + S + 0.1, m, landscape.width() - m - S - 0.1, S), 0);
    EXPECT_GT(Ink(m, m + S + 2, 3, 0.3), 0);
    EXPECT_EQ(Ink(0, m + S + 2.3, landscape.width(), landscape.height() - m - S - 2.3), 0);
}

} // namespace
