// Figure controls on the result model: font size, colour choice, pan and zoom.
#include "calc/figure_controls.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const Series& SeriesOf(const CalcTable& table, const char* chart, const char* series) {
    const Series* found = table.ChartOf(chart).Find(series);
    EXPECT_NE(found, nullptr) << chart << " " << series;
    return *found;
}

TEST(FigureFontSize, ChangesTheMarksOfTheGovernedSeriesOnly) {
    CalcTable table;
    SetFigureFontSize(table, 12);
    struct Row {
        const char* chart;
        const char* series;
        int size;
    };
    for (const Row& row : {
             Row{"Chart9", "Series31", 12},
             Row{"Chart10", "Series35", 12},
             Row{"Chart1", "Series1", 12},
             Row{"Chart1", "Series62", 12},
             Row{"Chart6", "Series25", 12},
             Row{"Chart13", "Series51", 12},
             Row{"Chart1", "Series13", 9},
             Row{"Chart1", "Series12", 9},
             Row{"Chart1", "Series14", 9},
             Row{"Chart1", "Series63", 9},
             Row{"Chart13", "Series42", 9},
             Row{"Chart13", "Series43", 9},
             Row{"Chart2", "Series16", 9},
         })
        EXPECT_EQ(SeriesOf(table, row.chart, row.series).markFontSize, row.size)
            << row.chart << " " << row.series;
}

TEST(FigureFontSize, SurvivesARunThatRefillsTheSeries) {
    CalcTable table;
    SetFigureFontSize(table, 5);
    Chart& chart = table.ChartOf("Chart9");
    ClearChart(chart);
    chart.Get("Series31").Add(0, 0, "1.00kNm");
    EXPECT_EQ(chart.Get("Series31").markFontSize, 5);
}

TEST(FigureColours, MonoBlackensTheTableAndColourRestoresIt) {
    CalcTable table;
    SetFigureColours(table, 1);
    EXPECT_EQ(table.ChartOf("Chart9").titleColour, colours::black);
    EXPECT_EQ(table.ChartOf("Chart4").titleColour, colours::black);
    EXPECT_EQ(SeriesOf(table, "Chart9", "Series31").colour, colours::black);
    EXPECT_EQ(SeriesOf(table, "Chart1", "Series1").markFontColour, colours::black);
    EXPECT_EQ(SeriesOf(table, "Chart13", "Series46").markFontColour, colours::black);

    SetFigureColours(table, 0);
    struct Row {
        const char* chart;
        const char* series;
        Colour line;
    };
    for (const Row& row : {
             Row{"Chart1", "Series2", colours::green},
             Row{"Chart1", "Series12", colours::maroon},
             Row{"Chart1", "Series6", colours::blue},
             Row{"Chart1", "Series62", colours::red},
             Row{"Chart3", "Series19", colours::maroon},
             Row{"Chart4", "Series21", colours::green},
             Row{"Chart9", "Series31", colours::red},
             Row{"Chart10", "Series35", colours::blue},
             Row{"Chart13", "Series44", colours::green},
             Row{"Chart13", "Series50", colours::blue},
             Row{"Chart13", "Series47", colours::maroon},
         })
        EXPECT_EQ(SeriesOf(table, row.chart, row.series).colour, row.line)
            << row.chart << " " << row.series;
    EXPECT_EQ(SeriesOf(table, "Chart1", "Series1").markFontColour, colours::blue);
    EXPECT_EQ(SeriesOf(table, "Chart13", "Series46").markFontColour, colours::maroon);
    EXPECT_EQ(table.ChartOf("Chart3").titleColour, colours::maroon);
    EXPECT_EQ(table.ChartOf("Chart4").titleColour, colours::green);
    EXPECT_EQ(table.ChartOf("Chart13").titleColour, colours::blue);
}

TEST(FigureColours, LeavesTheSeriesOutsideTheTableAlone) {
    const std::pair<const char*, const char*> untouched[] = {{"Chart9", "Series30"},
                                                             {"Chart10", "Series34"},
                                                             {"Chart3", "Series18"},
                                                             {"Chart13", "Series42"},
                                                             {"Chart1", "Series13"}};
    CalcTable table;
    for (const auto& [chart, series] : untouched)
        table.ChartOf(chart).Get(series).colour = colours::grey;
    for (int item : {1, 0}) {
        SetFigureColours(table, item);
        for (const auto& [chart, series] : untouched)
            EXPECT_EQ(SeriesOf(table, chart, series).colour, colours::grey)
                << chart << " " << series;
    }
}

TEST(FigureColours, NoSelectedItemChangesNothing) {
    CalcTable table;
    SetFigureColours(table, 1);
    SetFigureColours(table, -1);
    EXPECT_EQ(table.ChartOf("Chart9").titleColour, colours::black);
    EXPECT_EQ(SeriesOf(table, "Chart9", "Series31").colour, colours::black);
}

// The figure on screen changes with the choice: points drawn in the series' colour follow
// it, points given a colour of their own keep theirs.
TEST(FigureColours, RecoloursPointsDrawnInTheSeriesColour) {
    CalcTable table;
    Series& moment = table.ChartOf("Chart9").Get("Series31");
    moment.Add(0, 0, "A");
    Series& rearWheel = table.ChartOf("Chart1").Get("Series2");
    rearWheel.Add(0, 0, " ", colours::black);

    SetFigureColours(table, 1);
    EXPECT_EQ(moment.points[0].colour, colours::black);
    SetFigureColours(table, 0);
    EXPECT_EQ(moment.points[0].colour, colours::red);
    EXPECT_EQ(rearWheel.points[0].colour, colours::black);
}

TEST(FigureColours, ARunKeepsTheMonoTitle) {
    CalcTable table;
    SetFigureColours(table, 1);
    Chart& chart = table.ChartOf("Chart9");
    ClearChart(chart);
    Series& moment = chart.Get("Series31");
    moment.colour = colours::red;  // a run sets the diagram colours again
    moment.Add(0, 0, "1.00kNm");
    EXPECT_EQ(moment.points[0].colour, colours::red);
    EXPECT_EQ(chart.titleColour, colours::black);
}

Chart ChartWithRanges() {
    Chart chart;
    chart.bottom = {-4, 8, false, true, ""};
    chart.left = {-7.5, 1, false, true, ""};
    chart.right = {0, 10, false, true, ""};
    chart.top = {-1, 1, false, true, ""};
    return chart;
}

TEST(ScrollChart, MovesOneAxisByAFifthOfItsRange) {
    struct Row {
        char direction;
        double bottomShift;
        double leftShift;
    };
    for (const Row& row : {Row{'R', -2.4, 0}, Row{'L', 2.4, 0}, Row{'D', 0, 1.7}, Row{'U', 0, -1.7},
                           Row{'X', 0, 0}}) {
        Chart chart = ChartWithRanges();
        ScrollChart(chart, row.direction);
        EXPECT_NEAR(chart.bottom.minimum, -4 + row.bottomShift, 1e-12) << row.direction;
        EXPECT_NEAR(chart.bottom.maximum, 8 + row.bottomShift, 1e-12) << row.direction;
        EXPECT_NEAR(chart.left.minimum, -7.5 + row.leftShift, 1e-12) << row.direction;
        EXPECT_NEAR(chart.left.maximum, 1 + row.leftShift, 1e-12) << row.direction;
    }
}

TEST(ScrollChart, FivePressesMoveByOneWidthAndFiveBackReturn) {
    Chart chart = ChartWithRanges();
    for (int i = 0; i < 5; ++i) ScrollChart(chart, 'R');
    EXPECT_NEAR(chart.bottom.minimum, -16, 1e-9);
    EXPECT_NEAR(chart.bottom.maximum, -4, 1e-9);
    for (int i = 0; i < 5; ++i) ScrollChart(chart, 'L');
    EXPECT_NEAR(chart.bottom.minimum, -4, 1e-9);
    EXPECT_NEAR(chart.bottom.maximum, 8, 1e-9);
    EXPECT_FALSE(chart.bottom.automatic);
}

TEST(ZoomChart, EnlargeThenReduceLeavesPointEightyFourOfEveryWidth) {
    Chart chart = ChartWithRanges();
    ZoomChart(chart, 120);
    EXPECT_NEAR(chart.bottom.maximum - chart.bottom.minimum, 0.6 * 12, 1e-12);
    ZoomChart(chart, 80);
    struct Row {
        const Axis& axis;
        double minimum, maximum;
    };
    for (const Row& row : {Row{chart.bottom, -4, 8}, Row{chart.left, -7.5, 1},
                           Row{chart.right, 0, 10}, Row{chart.top, -1, 1}}) {
        const double width = row.maximum - row.minimum;
        const double centre = (row.maximum + row.minimum) / 2;
        EXPECT_NEAR(row.axis.maximum - row.axis.minimum, 0.84 * width, 1e-12);
        EXPECT_NEAR((row.axis.maximum + row.axis.minimum) / 2, centre, 1e-12);
    }
}

TEST(FigureSetUp, ANewTableHasTheDesignOfTheWindow) {
    CalcTable table;
    EXPECT_EQ(table.ChartOf("Chart3").titleColour, colours::maroon);
    EXPECT_FALSE(table.ChartOf("Chart5").bottom.visible);
    EXPECT_TRUE(table.ChartOf("Chart5").left.visible);
    EXPECT_EQ(SeriesOf(table, "Chart1", "Series1").penStyle, PenStyle::Dot);
    EXPECT_EQ(SeriesOf(table, "Chart1", "Series38").kind, SeriesKind::Arrow);
    EXPECT_EQ(SeriesOf(table, "Chart13", "Series44").markOffset, -20);
    EXPECT_FALSE(SeriesOf(table, "Chart13", "Series42").marksVisible);
    EXPECT_EQ(table.ChartOf("Chart1").series.front().name, "Series14");
}

}  // namespace
