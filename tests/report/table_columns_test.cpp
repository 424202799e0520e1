// Tables on the report pages: every column holds its widest text in the table's font.
#include "report/table_columns.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <algorithm>

#include "report/draw_kekka.h"
#include "report/report_pages.h"
#include "sample_table.h"

namespace {

QRectF Area(const ReportChart& chart) {
    return {chart.left, chart.top, chart.width, chart.height};
}

// Each cell text lies within its column on the page, the column wide enough for it.
void ExpectEveryTextWhole(const ReportChart& table, const std::string& where) {
    const TableColumns columns = LayOutTableColumns(table, Area(table));
    const QFontMetricsF metrics(TableCellFont());
    for (const ChartPoint& p : table.chart.series[kCellTexts].points) {
        const double centre = columns.PageX(p.x);
        const auto right =
            std::upper_bound(columns.pageEdges.begin(), columns.pageEdges.end(), centre);
        ASSERT_NE(right, columns.pageEdges.begin()) << where;
        ASSERT_NE(right, columns.pageEdges.end()) << where << ": " << p.label;
        const double width = *right - *(right - 1);
        const double text = metrics.horizontalAdvance(QString::fromStdString(p.label));
        EXPECT_GE(width, text + 2 * kTableCellPadding) << where << ": " << p.label;
        EXPECT_NEAR(centre, (*right + *(right - 1)) / 2, 0.01) << where << ": " << p.label;
    }
}

TEST(TableColumns, HoldTheWidestValuesOfADesign) {
    CalcTable table = SampleTable();
    for (int r = 1; r <= 5; ++r) {
        table.GridOf("StringGrid2").Cell(5, r) = "10050";
        table.GridOf("StringGrid2").Cell(7, r) = "@250";
    }
    for (const char* name : {"StringGrid1", "StringGrid3"})
        for (int r = 1; r <= 12; ++r)
            for (int c = 1; c <= 4; ++c) table.GridOf(name).Cell(c, r) = "-1234.56";
    for (int page : {8, 9, 10})
        for (const ReportChart& chart : BuildReportPage(page, table, kColourFigures).charts)
            if (chart.showsGrid) ExpectEveryTextWhole(chart, "page " + std::to_string(page));
}

TEST(TableColumns, OnlyAColumnTooNarrowGrows) {
    CalcTable table = SampleTable();
    const ReportPage before = BuildReportPage(10, table, kColourFigures);
    table.GridOf("StringGrid2").Cell(3, 2) = "123456789012345";
    const ReportPage after = BuildReportPage(10, table, kColourFigures);
    const auto grid = [](const ReportPage& page) {
        return *std::find_if(page.charts.begin(), page.charts.end(),
                             [](const ReportChart& c) { return c.showsGrid; });
    };
    const TableColumns narrow = LayOutTableColumns(grid(before), Area(grid(before)));
    const TableColumns wide = LayOutTableColumns(grid(after), Area(grid(after)));
    ExpectEveryTextWhole(grid(after), "a long text");
    ASSERT_EQ(narrow.pageEdges.size(), 9u);
    ASSERT_EQ(wide.pageEdges.size(), 9u);
    for (std::size_t k = 0; k + 1 < narrow.pageEdges.size(); ++k) {
        const double was = narrow.pageEdges[k + 1] - narrow.pageEdges[k];
        const double is = wide.pageEdges[k + 1] - wide.pageEdges[k];
        if (k == 3)
            EXPECT_GT(is, was + 20);
        else
            EXPECT_DOUBLE_EQ(is, was) << "column " << k;
    }
}

}  // namespace
