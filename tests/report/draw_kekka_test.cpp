// Copying lists, charts and grids onto report components.
#include "report/draw_kekka.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct MemoCase {
    int items;
    double height;
};

TEST(CopyListToMemo, BoxHeightIsFontHeightTimesLinesPlusTwo) {
    // 13 × (40 + 2) = 546; an empty list leaves the height of the empty layout.
    for (const MemoCase& c : {MemoCase{40, 546}, MemoCase{1, 39}, MemoCase{0, 100}}) {
        TextBox memo;
        memo.height = 100;
        memo.lines = {"old"};
        std::vector<std::string> list;
        for (int i = 0; i < c.items; ++i) list.push_back("item " + std::to_string(i));
        TDrawKekka().CopyListToMemo(list, memo);
        EXPECT_EQ(memo.height, c.height) << c.items << " items";
        EXPECT_EQ(memo.lines, list);
    }
}

TEST(CopyChart, AxesNeverSetKeepTheDesignedRange) {
    Chart source;
    Chart report;
    report.left = Axis{-1, 1, false, true, ""};
    TDrawKekka().CopyChart(source, report);
    EXPECT_EQ(report.left.minimum, -1);
    EXPECT_EQ(report.left.maximum, 1);
    EXPECT_TRUE(report.bottom.automatic);
}

TEST(CopyChart, SetAxesAreCarriedAsSingles) {
    Chart source;
    SetChartRange(source, 0, 0.1, -7.3, 0);  // the left axis ends at 0 but starts below it
    Chart report;
    TDrawKekka().CopyChart(source, report);
    EXPECT_EQ(report.bottom.maximum, static_cast<double>(0.1f));
    EXPECT_NE(report.bottom.maximum, 0.1);
    EXPECT_EQ(report.left.minimum, static_cast<double>(-7.3f));
    EXPECT_EQ(report.left.maximum, 0);
    EXPECT_FALSE(report.left.automatic);
    EXPECT_FALSE(report.bottom.automatic);
}

TEST(CopyChart, LineSeriesKeepsLabelsAndTakesTheSourceColour) {
    Chart source;
    Series& line = source.Get("Series31");
    line.colour = colours::red;
    line.lineWidth = 2;
    line.Add(2, 1, "M=1.00", colours::black);
    line.Add(1, 5, "M=2.00", colours::black);
    Chart report;
    report.Get("R1").Add(9, 9);  // last build's point
    TDrawKekka().CopyChart(source, report);
    const Series& copy = report.series.at(0);
    EXPECT_EQ(copy.colour, colours::red);
    EXPECT_EQ(copy.lineWidth, 2);
    EXPECT_FALSE(copy.sortX);
    ASSERT_EQ(copy.points.size(), 2u);
    EXPECT_EQ(copy.points[0].x, 2);  // order as added, not sorted along X
    EXPECT_EQ(copy.points[1].label, "M=2.00");
    EXPECT_EQ(copy.points[0].colour, colours::red);
}

TEST(CopyChart, FastLinePointsAreBlackWithLabelsOnlyWhereMarksShow) {
    for (bool marks : {true, false}) {
        Chart source;
        Series& fast = source.Get("Fast");
        fast.kind = SeriesKind::FastLine;
        fast.colour = colours::blue;
        fast.marksVisible = marks;
        fast.Add(0, 0, "a", colours::blue);
        Chart report;
        TDrawKekka().CopyChart(source, report);
        const ChartPoint& p = report.series.at(0).points.at(0);
        EXPECT_EQ(p.label, marks ? "a" : " ");
        EXPECT_EQ(p.colour, colours::black);
        EXPECT_EQ(report.series.at(0).colour, colours::blue);
    }
}

TEST(CopyChart, ArrowBecomesAVerticalLineFromTheBaseLabelledAtItsTop) {
    for (bool marks : {true, false}) {
        Chart source;
        Series& arrow = source.Get("Series62");
        arrow.kind = SeriesKind::Arrow;
        arrow.marksVisible = marks;
        arrow.AddArrow(3.5, 0.4, 3.5, 0, "PL2=25.00kN", colours::red);
        Chart report;
        TDrawKekka().CopyChart(source, report);
        const auto& points = report.series.at(0).points;
        ASSERT_EQ(points.size(), 2u);
        EXPECT_EQ(points[0].x, 3.5);
        EXPECT_EQ(points[0].y, 0);
        EXPECT_EQ(points[0].label, " ");
        EXPECT_EQ(points[1].x, 3.5);
        EXPECT_EQ(points[1].y, 0.4);
        EXPECT_EQ(points[1].label, marks ? "PL2=25.00kN" : " ");
        EXPECT_EQ(points[0].colour, colours::black);
        EXPECT_EQ(points[1].colour, colours::black);
    }
}

TEST(CopyChart, PointSeriesIsLeftAsItWasAndLaterSeriesKeepTheirIndex) {
    Chart source;
    source.Get("Points").kind = SeriesKind::Point;
    source.Get("Points").Add(1, 1, "p");
    source.Get("Line").Add(2, 2, "l");
    Chart report;
    report.Get("R1").Add(7, 7, "kept");
    TDrawKekka().CopyChart(source, report);
    ASSERT_EQ(report.series.size(), 2u);
    EXPECT_EQ(report.series[0].points.at(0).label, "kept");
    EXPECT_EQ(report.series[1].points.at(0).label, "l");
}

struct Point {
    double x;
    double y;
};

std::vector<Point> Points(const Series& series) {
    std::vector<Point> points;
    for (const ChartPoint& p : series.points) points.push_back({p.x, p.y});
    return points;
}

void ExpectPoints(const Series& series, const std::vector<Point>& expected) {
    const auto actual = Points(series);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].x, expected[i].x) << "point " << i;
        EXPECT_EQ(actual[i].y, expected[i].y) << "point " << i;
    }
}

TEST(DrawGridAsChart, MainBarTableRulesSizeAndCentredTexts) {
    // The main-bar processing table: 8 columns 25, 30 × 7 wide (W = 235), 6 rows of 16
    // (H = 96).
    CalcTable table;
    Grid& grid = table.GridOf("StringGrid2");
    grid.Cell(7, 5) = "250";
    TDrawKekka kekka;
    ReportChart report;
    kekka.DrawGridAsChart(grid, report);
    EXPECT_EQ(kekka.totalWidth, 235);
    EXPECT_EQ(kekka.totalHeight, 96);
    EXPECT_TRUE(report.showsGrid);
    EXPECT_EQ(report.width, 235 + 15 * 8);
    EXPECT_EQ(report.height, 5 * 6 + 96);

    const Chart& chart = report.chart;
    EXPECT_FALSE(chart.left.visible);
    EXPECT_FALSE(chart.bottom.visible);
    EXPECT_EQ(chart.left.minimum, -96);
    EXPECT_EQ(chart.left.maximum, 0);
    EXPECT_EQ(chart.bottom.minimum, 0);
    EXPECT_EQ(chart.bottom.maximum, 235);

    std::vector<Point> horizontal = {{0, -17}, {235, -17}, {0, -17}};
    for (int r = 1; r <= 6; ++r)
        horizontal.insert(horizontal.end(), {{0, -16.0 * r}, {235, -16.0 * r}, {0, -16.0 * r}});
    ExpectPoints(chart.series.at(kHorizontalRules), horizontal);
    std::vector<Point> vertical = {{26, 0}, {26, -96}, {26, 0}};
    for (double x : {25, 55, 85, 115, 145, 175, 205, 235})
        vertical.insert(vertical.end(), {{x, 0}, {x, -96}, {x, 0}});
    ExpectPoints(chart.series.at(kVerticalRules), vertical);
    for (int index : {kHorizontalRules, kVerticalRules})
        EXPECT_EQ(chart.series.at(index).colour, colours::black);

    const Series& texts = chart.series.at(kCellTexts);
    ASSERT_EQ(texts.points.size(), 48u);
    struct Cell {
        std::size_t index;
        double x, y;
        const char* text;
    };
    // Column by column, each text on the lower rule of its row.
    for (const Cell& c : {Cell{0, 12.5, -16, "NO"}, Cell{1, 12.5, -32, "①"}, Cell{6, 40, -16, "L1"},
                          Cell{47, 220, -96, "250"}}) {
        EXPECT_EQ(texts.points[c.index].x, c.x) << c.text;
        EXPECT_EQ(texts.points[c.index].y, c.y) << c.text;
        EXPECT_EQ(texts.points[c.index].label, c.text);
        EXPECT_EQ(texts.points[c.index].colour, colours::black);
    }
}

TEST(DrawGridAsChart, RefusesMoreThanTwentyOneColumns) {
    TDrawKekka kekka;
    ReportChart report;
    EXPECT_NO_THROW(kekka.DrawGridAsChart(Grid(21, 2), report));
    EXPECT_THROW(kekka.DrawGridAsChart(Grid(22, 2), report), std::length_error);
}

}  // namespace
