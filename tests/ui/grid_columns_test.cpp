// The result grids cut nothing off: every column is at least as wide as its widest cell in the
// grid's font, for what random designs give and for the widest values a design can give.
#include <gtest/gtest.h>

#include <QTabWidget>
#include <random>
#include <string>

#include "calc/run.h"
#include "tests/calc/random_design.h"
#include "ui/grid_cells.h"
#include "ui/result_pages.h"

namespace {

const char* const kGrids[] = {"StringGrid1", "StringGrid2", "StringGrid3"};

// The width a cell needs to show its text whole: the text's advance in the grid's font, the
// cell padding each side and the grid line.
int Needed(const QTableWidget& grid, const QString& text) {
    return QFontMetrics(grid.font()).horizontalAdvance(text) + 2 * GridCellDelegate::kPadding + 1;
}

void ExpectEveryCellWhole(const ResultPages& pages, const std::string& where) {
    for (const char* name : kGrids) {
        const QTableWidget& grid = *pages.GridView(name);
        for (int r = 0; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c) {
                const QString text = grid.item(r, c)->text();
                EXPECT_GE(grid.columnWidth(c), Needed(grid, text))
                    << where << ", " << name << " row " << r << ": " << text.toStdString();
            }
    }
}

TEST(GridColumns, HoldTheirWidestCells) {
    CalcTable table;
    QTabWidget tabs;
    ResultPages pages(table, &tabs);
    std::mt19937 random(20261211);
    for (int n = 0; n < 30 && !::testing::Test::HasFailure(); ++n) {
        RecordingMessenger messenger;
        RunCalculation(random_design::RandomDesign(random), table, messenger);
        pages.Refresh();
        ExpectEveryCellWhole(pages, "design " + std::to_string(n));
    }

    // Five-digit bar lengths (a length L1 to L4 is a part of L), the widest pitch and negative
    // four-digit forces.
    Grid& bars = table.GridOf("StringGrid2");
    for (int r = 1; r < bars.rows; ++r) {
        for (int c = 1; c <= 4; ++c) bars.Cell(c, r) = "9950";
        bars.Cell(5, r) = "10050";
        bars.Cell(6, r) = "D32";
        bars.Cell(7, r) = "@250";
    }
    for (const char* name : {"StringGrid1", "StringGrid3"})
        for (int r = 1; r <= 12; ++r)
            for (int c = 1; c <= 4; ++c) table.GridOf(name).Cell(c, r) = "-1234.56";
    pages.Refresh();
    ExpectEveryCellWhole(pages, "widest values");

    // The bar grid still shows all its columns without scrolling.
    const QTableWidget& shown = *pages.GridView("StringGrid2");
    int total = 0;
    for (int c = 0; c < shown.columnCount(); ++c) total += shown.columnWidth(c);
    EXPECT_LE(total, shown.width() - 2 * shown.frameWidth());
}

}  // namespace
