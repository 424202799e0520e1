// The main-reinforcement drawing as chart data.
#include "calc/section/main_rebar.h"

#include <gtest/gtest.h>

namespace {

// A 4.0 m by 3.9 m box, walls 0.5 m, slabs 0.4 m (top) and 0.5 m (bottom).
TKakou Box() {
    TKakou record;
    record.H = 3.9f, record.B = 4.0f, record.Hu = 3.0f, record.Bu = 3.0f;
    record.dTop = record.dWall = 0.10f;
    record.dBottomUpper = record.dBottomLower = 0.11f;
    record.boxOutline.n = 4;
    record.boxOpening.n = 8;
    for (int k = 1; k <= 9; ++k) record.boxOpening.X[k] = k;  // nine stored points
    record.R1 = 170, record.R2 = 200;
    record.L1Upper = 1000, record.L4Upper = 1900, record.L1Lower = 1050, record.L4Lower = 1950;
    return record;
}

const BarSchedule kSchedule = {1, 150, 19, 16, 13, 22, 25};

}  // namespace

TEST(MainRebar, ArcRunsFromTheLegToTheHorizontalPart) {
    const ArcOffset first = ArcOffsets(0, 170);
    EXPECT_DOUBLE_EQ(first.dx, 0);
    EXPECT_DOUBLE_EQ(first.dy, 0.17);
    const ArcOffset last = ArcOffsets(5, 170);
    EXPECT_DOUBLE_EQ(last.dx, 0.17);
    EXPECT_NEAR(last.dy, 0, 1e-15);
    const ArcOffset middle = ArcOffsets(3, 200);  // 54 degrees
    EXPECT_NEAR(middle.dx, 0.2 - 0.2 * 0.5877852523, 1e-9);
    EXPECT_NEAR(middle.dy, 0.2 - 0.2 * 0.8090169944, 1e-9);
}

TEST(MainRebar, TenSeriesInDrawingOrderWithTheirStyles) {
    CalcTable table;
    DrawMainRebar(Box(), kSchedule, table);
    const Chart& chart = table.ChartOf("Chart13");
    struct Case {
        const char* name;
        Colour colour;
        int width;
        bool marks;
        double offset;
        std::size_t points;
    } cases[] = {
        {"Series42", colours::black, 1, false, 0, 9}, {"Series43", colours::black, 1, false, 0, 5},
        {"Series44", colours::blue, 2, true, -20, 3}, {"Series45", colours::green, 2, true, 8, 3},
        {"Series46", colours::maroon, 2, true, 8, 3}, {"Series47", colours::maroon, 2, true, 8, 3},
        {"Series48", colours::green, 2, true, 8, 8},  {"Series49", colours::green, 2, true, 8, 8},
        {"Series50", colours::blue, 2, true, -20, 8}, {"Series51", colours::blue, 2, true, -20, 8},
    };
    ASSERT_EQ(chart.series.size(), 10u);
    for (std::size_t k = 0; k < 10; ++k) {
        const Series& s = chart.series[k];
        EXPECT_EQ(s.name, cases[k].name);
        EXPECT_EQ(s.kind, SeriesKind::Line) << s.name;
        EXPECT_EQ(s.colour, cases[k].colour) << s.name;
        EXPECT_EQ(s.lineWidth, cases[k].width) << s.name;
        EXPECT_EQ(s.marksVisible, cases[k].marks) << s.name;
        EXPECT_EQ(s.markOffset, cases[k].offset) << s.name;
        EXPECT_FALSE(s.sortX) << s.name;
        EXPECT_EQ(s.points.size(), cases[k].points) << s.name;
    }
    EXPECT_DOUBLE_EQ(chart.left.maximum, 3.9f / 2 + 0.5);
    EXPECT_DOUBLE_EQ(chart.bottom.minimum, -2.5);
    EXPECT_FALSE(chart.left.automatic);
}

TEST(MainRebar, LabelsCarryBarSizeAndPitch) {
    CalcTable table;
    DrawMainRebar(Box(), kSchedule, table);
    const Chart& chart = table.ChartOf("Chart13");
    const auto labels = [&](const char* name) {
        std::vector<std::string> texts;
        for (const ChartPoint& p : chart.Find(name)->points) texts.push_back(p.label);
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(labels("Series44"), (Texts{" ", "③D22@150", " "}));
    EXPECT_EQ(labels("Series45"), (Texts{" ", "④D25@150", " "}));
    EXPECT_EQ(labels("Series46"), (Texts{" ", "⑤D13@150", " "}));
    EXPECT_EQ(labels("Series47"), labels("Series46"));
    EXPECT_EQ(labels("Series48"), (Texts{"    L4", " ", " ", " ", "L2", " ", " ", "L3①D16@150"}));
    EXPECT_EQ(labels("Series49"), (Texts{"    L1", " ", " ", " ", "L2", " ", " ", " "}));
    EXPECT_EQ(labels("Series50"), (Texts{"    L1", " ", " ", " ", "L2", " ", " ", "L3②D19@150"}));
    EXPECT_EQ(labels("Series51"), (Texts{"    L4", " ", " ", " ", "L2", " ", " ", " "}));
}

TEST(MainRebar, OuterBarsMeetAtTheCentreAndStayApartAtTheWalls) {
    CalcTable table;
    DrawMainRebar(Box(), kSchedule, table);
    const Chart& chart = table.ChartOf("Chart13");
    const auto& topLeft = chart.Find("Series48")->points;
    const auto& topRight = chart.Find("Series49")->points;
    const auto& bottomLeft = chart.Find("Series50")->points;
    const auto& bottomRight = chart.Find("Series51")->points;
    const double yTop = 3.9f / 2 - 0.1f;
    // Leg end: L4 + R1 below the horizontal part; the arc starts on the leg.
    EXPECT_NEAR(topLeft[0].x, -2.0 + 0.1 + 0.01, 1e-6);
    EXPECT_NEAR(topLeft[0].y, yTop - 2.07, 1e-6);
    EXPECT_NEAR(topLeft[1].x, topLeft[0].x, 1e-9);
    EXPECT_NEAR(topLeft[6].y, yTop, 1e-6);
    EXPECT_NEAR(topRight[0].y, yTop - 1.17, 1e-6);
    EXPECT_NEAR(topLeft[7].x, 0.01, 1e-12);
    EXPECT_NEAR(topRight[7].x, 0.01, 1e-12);
    EXPECT_EQ(bottomLeft[7].x, 0.0);
    EXPECT_EQ(bottomRight[7].x, 0.0);
    EXPECT_NEAR(topLeft[0].x - bottomLeft[0].x, 0.02, 1e-6);
    EXPECT_NEAR(topRight[0].x - bottomRight[0].x, 0.01, 1e-6);
    EXPECT_NEAR(bottomRight[0].y, -3.9f / 2 + 0.11f + 2.15, 1e-6);
}

TEST(MainRebar, RedrawingKeepsTheUsersFigureSettings) {
    CalcTable table;
    DrawMainRebar(Box(), kSchedule, table);
    Chart& chart = table.ChartOf("Chart13");
    for (Series& s : chart.series) s.markFontSize = 14;
    chart.Get("Series43").colour = colours::grey;
    DrawMainRebar(Box(), kSchedule, table);
    EXPECT_EQ(chart.series.size(), 10u);
    for (const Series& s : chart.series) EXPECT_EQ(s.markFontSize, 14) << s.name;
    EXPECT_EQ(chart.Find("Series43")->colour, colours::grey);
    EXPECT_EQ(chart.Find("Series43")->points.size(), 5u);
}
