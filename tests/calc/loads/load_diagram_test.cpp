// The acting-load diagram: axis ranges, the series drawn in each load case, their looks, and
// the load figures with their labels.
#include "calc/loads/load_diagram.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "box_record.h"
#include "calc/loads/loads.h"

namespace {

// T-20 (80 kN, axle 4.0 m) under 2.8 m of cover: h1d = 3.0 m, h2d = 6.45 m, W1 = 6.2 m,
// L1 = 0.85 m.
BoxInputs ShallowT20() {
    BoxInputs in;
    in.h1 = 2.8f;
    in.P1 = 80;
    in.axleDistance = 4.0;
    in.impactDepth = 3.5;
    return in;
}

BoxInputs Narrow() {  // W1 = 1.6 m, front wheel beyond the span (L1 = 0)
    BoxInputs in;
    in.h1 = 0.5f;
    return in;
}

BoxInputs WithQ(double q) {
    BoxInputs in;
    in.q = q;
    return in;
}

void Draw(const BoxInputs& inputs, int loadCase, CalcTable& table) {
    TKakou record = MakeRecord(inputs);
    ComputeLoads(record, loadCase);
    DrawLoadDiagram(record, loadCase, table);
}

const Series& Get(const CalcTable& table, const char* name) {
    const Series* series = table.ChartOf("Chart1").Find(name);
    EXPECT_NE(series, nullptr) << name;
    return *series;
}

std::vector<std::string> Labels(const Series& series) {
    std::vector<std::string> labels;
    for (const ChartPoint& p : series.points)
        if (p.label != " ") labels.push_back(p.label);
    return labels;
}

void ExpectPoint(const Series& series, std::size_t k, double x, double y) {
    ASSERT_LT(k, series.points.size()) << series.name;
    EXPECT_NEAR(series.points[k].x, x, 1e-5) << series.name << " point " << k;
    EXPECT_NEAR(series.points[k].y, y, 1e-5) << series.name << " point " << k;
}

TEST(LoadDiagram, AxisRangesPerLoadCase) {
    struct Row {
        const char* name;
        BoxInputs inputs;
        int loadCase;
        double left, bottomMin, bottomMax;
    } rows[] = {
        // left = -(h2d + max(Pv2L, Pv2R)/50 + 0.5)
        {"case 1", ShallowT20(), 1, -(6.45 + 97.0124292 / 50 + 0.5), -4, 8},
        {"case 2", ShallowT20(), 2, -(6.45 + 96.0402418 / 50 + 0.5), -4, 8},
        {"case 3", BoxInputs{}, 3, -(7.85 + 108.08 / 50 + 0.5), -6, 6},
        {"case 4", BoxInputs{}, 4, -(7.85 + 118.08 / 50 + 0.5), -6, 6},
        {"case 5", WithQ(0), 5, -(7.85 + 108.08 / 50 + 0.5), -6, 6},
    };
    for (const Row& row : rows) {
        CalcTable table;
        Draw(row.inputs, row.loadCase, table);
        const Chart& chart = table.ChartOf("Chart1");
        EXPECT_FALSE(chart.left.automatic) << row.name;
        EXPECT_NEAR(chart.left.minimum, row.left, 1e-5) << row.name;
        EXPECT_DOUBLE_EQ(chart.left.maximum, 1.0) << row.name;
        EXPECT_FALSE(chart.bottom.automatic) << row.name;
        EXPECT_NEAR(chart.bottom.minimum, row.bottomMin, 1e-6) << row.name;
        EXPECT_NEAR(chart.bottom.maximum, row.bottomMax, 1e-6) << row.name;
    }

    // The deeper of the two reactions sets the bottom of the view.
    TKakou record = MakeRecord(BoxInputs{});
    record.h2d = 5.0f;
    record.Pv2L = 100;
    record.Pv2R = 80;
    CalcTable table;
    DrawLoadDiagram(record, 4, table);
    EXPECT_NEAR(table.ChartOf("Chart1").left.minimum, -7.5, 1e-6);
}

TEST(LoadDiagram, SeriesDrawnInEachLoadCase) {
    const char* names[] = {"Series14", "Series13", "Series1", "Series2",  "Series7",  "Series3",
                           "Series4",  "Series5",  "Series6", "Series12", "Series38", "Series39",
                           "Series62", "Series63", "Series8", "Series9"};
    struct Row {
        const char* name;
        BoxInputs inputs;
        int loadCase;
        std::vector<std::size_t> counts;  // points per series, in the order of names
    } rows[] = {
        {"case 1", ShallowT20(), 1, {5, 7, 5, 6, 5, 4, 4, 4, 4, 2, 1, 4, 1, 4, 0, 0}},
        {"case 2", ShallowT20(), 2, {5, 7, 5, 6, 5, 4, 4, 4, 4, 2, 1, 4, 1, 4, 0, 0}},
        {"case 1, L1 = 0", Narrow(), 1, {5, 7, 5, 6, 0, 4, 4, 4, 4, 2, 1, 4, 1, 4, 0, 0}},
        {"case 3", BoxInputs{}, 3, {5, 7, 5, 0, 0, 4, 4, 4, 4, 2, 0, 0, 0, 0, 3, 3}},
        {"case 4", BoxInputs{}, 4, {5, 7, 5, 0, 0, 4, 4, 4, 4, 2, 0, 0, 0, 0, 2, 0}},
        {"case 5, q = 0", WithQ(0), 5, {5, 7, 5, 0, 0, 4, 4, 4, 4, 2, 0, 0, 0, 0, 0, 0}},
        {"case 5, q = 5", WithQ(5), 5, {5, 7, 5, 0, 0, 4, 4, 4, 4, 2, 0, 0, 0, 0, 2, 0}},
    };
    for (const Row& row : rows) {
        // Every case is drawn over a case-1 diagram: nothing of it may remain.
        CalcTable table;
        Draw(ShallowT20(), 1, table);
        Draw(row.inputs, row.loadCase, table);
        const Chart& chart = table.ChartOf("Chart1");
        ASSERT_EQ(chart.series.size(), std::size(names)) << row.name;
        for (std::size_t k = 0; k < std::size(names); ++k) {
            EXPECT_EQ(chart.series[k].name, names[k]) << row.name;  // drawing order
            EXPECT_EQ(chart.series[k].points.size(), row.counts[k]) << row.name << " " << names[k];
        }
    }
}

TEST(LoadDiagram, SeriesLooks) {
    CalcTable table;
    Draw(ShallowT20(), 1, table);
    struct Row {
        const char* name;
        const char* title;
        SeriesKind kind;
        Colour colour;
        int width;
        PenStyle pen;
        bool marks;
        bool sorted;
    } rows[] = {
        {"Series14", "Box", SeriesKind::Line, colours::black, 2, PenStyle::Solid, false, false},
        {"Series13", "Box", SeriesKind::Line, colours::black, 2, PenStyle::Solid, false, false},
        {"Series1", "", SeriesKind::Line, colours::black, 1, PenStyle::Dot, true, false},
        {"Series2", "PvL1", SeriesKind::Line, colours::black, 1, PenStyle::Solid, true, false},
        {"Series7", "PvL2", SeriesKind::Line, colours::black, 1, PenStyle::Solid, true, false},
        {"Series3", "Pvd", SeriesKind::Line, colours::green, 1, PenStyle::Solid, true, true},
        {"Series4", "Phd(L)", SeriesKind::Line, colours::maroon, 1, PenStyle::Solid, true, false},
        {"Series5", "Phd(R)", SeriesKind::Line, colours::maroon, 1, PenStyle::Solid, true, false},
        {"Series6", "Pv", SeriesKind::Line, colours::blue, 1, PenStyle::Solid, true, true},
        {"Series12", "地盤", SeriesKind::Line, colours::maroon, 2, PenStyle::Solid, false, true},
        {"Series38", "", SeriesKind::Arrow, colours::red, 1, PenStyle::Solid, true, true},
        {"Series39", "", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, true},
        {"Series62", "", SeriesKind::Arrow, colours::red, 1, PenStyle::Solid, true, true},
        {"Series63", "", SeriesKind::Line, colours::red, 1, PenStyle::Solid, false, true},
        {"Series8", "等分布荷重1", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, true},
        {"Series9", "等分布荷重2", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, true},
    };
    for (const Row& row : rows) {
        const Series& s = Get(table, row.name);
        EXPECT_EQ(s.title, row.title) << row.name;
        EXPECT_EQ(s.kind, row.kind) << row.name;
        EXPECT_EQ(s.colour, row.colour) << row.name;
        EXPECT_EQ(s.lineWidth, row.width) << row.name;
        EXPECT_EQ(s.penStyle, row.pen) << row.name;
        EXPECT_EQ(s.marksVisible, row.marks) << row.name;
        EXPECT_EQ(s.sortX, row.sorted) << row.name;
    }
}

TEST(LoadDiagram, WheelLoadsAndPressuresInLoadCase1) {
    CalcTable table;
    Draw(ShallowT20(), 1, table);
    // y0 = (D1/Bo + Pvd)/50 - h1d = (11.48 + 50.4)/50 - 3.0; y1 = y0 + PvL1/50
    const double y0 = (11.48 + 50.4) / 50 - 3.0;
    const double y1 = y0 + 10.9794721 / 50;
    const double y2 = y1 + 2.74486804 / 50;

    const Series& rear = Get(table, "Series2");
    ExpectPoint(rear, 0, -1.75, y0);
    ExpectPoint(rear, 1, -3.1, y0);  // the full band W1/2 in case 1
    ExpectPoint(rear, 2, -3.1, y1);
    ExpectPoint(rear, 5, 1.75, y0);
    EXPECT_EQ(rear.points[2].label, "PvL1=10.98kN/m2");
    EXPECT_EQ(rear.points[2].colour, colours::black);

    const Series& front = Get(table, "Series7");
    ExpectPoint(front, 0, 4.0, y2);  // from the axle in case 1
    ExpectPoint(front, 2, 1.75 - 0.85, y1);
    ExpectPoint(front, 4, 4.0, y2);
    EXPECT_EQ(Labels(front), std::vector<std::string>{"PvL2=2.74kN/m2"});

    EXPECT_EQ(Labels(Get(table, "Series1")), (std::vector<std::string>{"A", "B", "C", "D", "A"}));
    EXPECT_EQ(Labels(Get(table, "Series3")),
              (std::vector<std::string>{"Pv1=61.88kN/m2", "Pv1=61.88kN/m2"}));
    // Both walls call the bottom value Ph2 and the top value Ph1.
    const Series& left = Get(table, "Series4");
    EXPECT_EQ(Labels(left), (std::vector<std::string>{"Ph2=63.54kN/m2", "Ph1=32.49kN/m2"}));
    ExpectPoint(left, 1, -1.75 - 63.5397361 / 50, -6.45);
    const Series& right = Get(table, "Series5");
    EXPECT_EQ(Labels(right), (std::vector<std::string>{"Ph2=64.91kN/m2", "Ph1=33.86kN/m2"}));
    ExpectPoint(right, 2, 1.75 + 33.8621701 / 50, -3.0);
    const Series& reaction = Get(table, "Series6");
    EXPECT_EQ(Labels(reaction), (std::vector<std::string>{"Pv2=97.01kN/m2", "Pv2=92.04kN/m2"}));
    ExpectPoint(reaction, 1, -1.75, -6.45 - 97.0124292 / 50);

    ExpectPoint(Get(table, "Series12"), 1, 2 + 6 + 3.1, 0);

    const Series& rearArrow = Get(table, "Series38");
    ExpectPoint(rearArrow, 0, 0, 0.4);
    EXPECT_DOUBLE_EQ(rearArrow.points[0].endX, 0);
    EXPECT_DOUBLE_EQ(rearArrow.points[0].endY, 0);
    EXPECT_EQ(rearArrow.points[0].label, "PL1=80.00kN");
    const Series& frontArrow = Get(table, "Series62");
    ExpectPoint(frontArrow, 0, 4.0, 0.4);
    EXPECT_DOUBLE_EQ(frontArrow.points[0].endX, 4.0);
    EXPECT_EQ(frontArrow.points[0].label, "PL2=20.00kN");
    const Series& spread = Get(table, "Series63");
    ExpectPoint(spread, 0, 4.0 - 3.1, -3.0);
    ExpectPoint(spread, 1, 3.9, 0);
    ExpectPoint(spread, 3, 4.0 + 3.1, -3.0);
}

TEST(LoadDiagram, LoadCase2KeepsTheBandsOnTheSpan) {
    CalcTable table;
    Draw(ShallowT20(), 2, table);
    const Series& rear = Get(table, "Series2");
    ExpectPoint(rear, 1, -1.75, (11.48 + 50.4) / 50 - 3.0);  // min(W1/2, Bo/2)
    const Series& front = Get(table, "Series7");
    EXPECT_NEAR(front.points[0].x, 1.75, 1e-6);  // from the wall axis, not the axle
    // The arrows and spread lines stay at the axle.
    EXPECT_NEAR(Get(table, "Series62").points[0].x, 4.0, 1e-12);
}

TEST(LoadDiagram, UniformLoadInLoadCases3To5) {
    struct Point {
        double x, y;
        const char* label;
    };
    struct Row {
        const char* name;
        BoxInputs inputs;
        int loadCase;
        std::vector<Point> first, second;
    } rows[] = {
        {"case 3: beside the box",
         BoxInputs{},
         3,
         {{-6, 0.2, " "}, {-1.75, 0.2, "10.00kN/m2"}, {-1.75, 0, " "}},
         {{1.75, 0, " "}, {1.75, 0.2, "10.00kN/m2"}, {6, 0.2, " "}}},
        {"case 4: over the whole width",
         BoxInputs{},
         4,
         {{-5.75, 0.2, "10.00kN/m2"}, {5.75, 0.2, "10.00kN/m2"}},
         {}},
        {"case 5: q drawn at q/50",
         WithQ(5),
         5,
         {{-6, 0.1, "5.00kN/m2"}, {6, 0.1, "5.00kN/m2"}},
         {}},
    };
    for (const Row& row : rows) {
        CalcTable table;
        Draw(row.inputs, row.loadCase, table);
        for (const auto& [name, expected] :
             {std::pair{"Series8", row.first}, std::pair{"Series9", row.second}}) {
            const Series& s = Get(table, name);
            ASSERT_EQ(s.points.size(), expected.size()) << row.name << " " << name;
            for (std::size_t k = 0; k < expected.size(); ++k) {
                ExpectPoint(s, k, expected[k].x, expected[k].y);
                EXPECT_EQ(s.points[k].label, expected[k].label) << row.name << " " << name;
                EXPECT_EQ(s.points[k].colour, colours::red) << row.name << " " << name;
            }
        }
        // No wheel band: the road line ends at B/2 + 6.
        ExpectPoint(Get(table, "Series12"), 1, 8, 0);
    }
}

}  // namespace
