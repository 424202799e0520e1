// The section-force summary grids, the member load figures and the force diagrams.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/frame/force_diagrams.h"
#include "calc/frame/member_forces.h"
#include "tests/calc/frame/frame_records.h"

namespace {

struct Expected {
    double x, y;
    const char* label;
};

void ExpectPoints(const Series& series, const std::vector<Expected>& expected,
                  const std::string& name) {
    ASSERT_EQ(series.points.size(), expected.size()) << name;
    for (size_t p = 0; p < expected.size(); ++p) {
        EXPECT_NEAR(series.points[p].x, expected[p].x, 1e-5) << name << " point " << p;
        EXPECT_NEAR(series.points[p].y, expected[p].y, 1e-5) << name << " point " << p;
        EXPECT_EQ(series.points[p].label, expected[p].label) << name << " point " << p;
        EXPECT_EQ(series.points[p].colour, series.colour) << name << " point " << p;
    }
}

std::vector<size_t> IndicesOf(const Series& series, const std::string& label) {
    std::vector<size_t> found;
    for (size_t p = 0; p < series.points.size(); ++p)
        if (series.points[p].label == label) found.push_back(p);
    return found;
}

TEST(ShowForceSummary, MiddleSectionsHaveNoEndShearAndBothGridsAgree) {
    auto r = WorkedExampleRecord();
    CalcTable table;
    ClearForceGrid(table.GridOf("StringGrid1"));
    ComputeMemberForces(*r);
    WriteMemberForces(*r, 4, table);
    const Grid& summary = table.GridOf("StringGrid1");
    const Grid& design = table.GridOf("StringGrid3");
    for (int row : {2, 5, 8, 11}) {
        EXPECT_EQ(summary.Cell(3, row), "+0.00") << row;
        EXPECT_EQ(summary.Cell(4, row), "---") << row;
    }
    for (int row = 1; row <= 12; ++row) {
        for (int column = 1; column <= 4; ++column)
            EXPECT_EQ(design.Cell(column, row), summary.Cell(column, row)) << column << "," << row;
        EXPECT_EQ(design.Cell(5, row), "") << row;  // left to the section design
    }
    // 側壁(L)A and 側壁(L)B of the left-wall example; 側壁(R)C opens the right wall.
    EXPECT_EQ(summary.Cell(1, 1), "-20.00");
    EXPECT_EQ(summary.Cell(3, 1), "+56.90");
    EXPECT_EQ(summary.Cell(4, 1), "+26.73");
    EXPECT_EQ(summary.Cell(1, 2), "+23.75");
    EXPECT_EQ(summary.Cell(1, 3), "-25.00");
    EXPECT_EQ(summary.Cell(4, 3), "-30.27");
    EXPECT_EQ(summary.Cell(3, 4), "+127.36");
    EXPECT_EQ(summary.Cell(3, 7), "+48.10");
    EXPECT_EQ(summary.Cell(3, 10), "+82.24");
    EXPECT_EQ(summary.Cell(3, 12), "-92.76");
}

TEST(DrawMemberLoadCharts, WallChartHasItsRangeAxisAndLoad) {
    auto r = WorkedExampleRecord();
    CalcTable table;
    ComputeMemberForces(*r);
    WriteMemberForces(*r, 4, table);
    const Chart& chart = table.ChartOf("Chart3");
    EXPECT_DOUBLE_EQ(chart.bottom.minimum, -0.7);
    EXPECT_DOUBLE_EQ(chart.bottom.maximum, 4.2);
    EXPECT_DOUBLE_EQ(chart.left.minimum, -16);
    EXPECT_DOUBLE_EQ(chart.left.maximum, 64);
    EXPECT_FALSE(chart.bottom.automatic || chart.left.automatic);
    EXPECT_FALSE(chart.bottom.visible);
    ASSERT_EQ(chart.series.size(), 2u);
    const Series& axis = chart.series[0];
    EXPECT_EQ(axis.name, "Series18");
    EXPECT_EQ(axis.colour, colours::black);
    EXPECT_EQ(axis.lineWidth, 2);
    ExpectPoints(axis, {{0, 0, "Ma=-20.00kNm"}, {1.75, 0, "L=3.50m"}, {3.5, 0, "Mb=-25.00kNm"}},
                 "Series18");
    const Series& load = chart.series[1];
    EXPECT_EQ(load.name, "Series19");
    EXPECT_EQ(load.colour, colours::maroon);
    ExpectPoints(load,
                 {{0, 0, " "}, {0, 40, "w1=40.00kN/m2"}, {3.5, 20, "w2=20.00kN/m2"}, {3.5, 0, " "}},
                 "Series19");
}

TEST(DrawMemberLoadCharts, TopSlabLoadFollowsTheLoadCase) {
    const char* t1 = "w1=50.00kN/m2";
    const char* t2 = "w2=30.00kN/m2";
    const char* t3 = "w3=10.00kN/m2";
    struct Case {
        const char* name;
        int loadCase;
        float h1;         // 2.0: W1 = 4.6 > Bo, L1 = −0.55; 1.0: W1 = 2.6, L1 = 0.45
        double axle;      // 2.0 puts the front band (L3 = 1.05) on the span
        float frontLoad;  // w3
        std::vector<Expected> points;
    } cases[] = {
        {"wide band, load case 1",
         1,
         2.0f,
         4.0,
         0,
         {{0, 0, " "},
          {0, 50, t1},
          {-0.55, 50, " "},
          {-0.55, 80, t2},
          {4.05, 80, t2},
          {4.05, 50, " "},
          {3.5, 50, t1},
          {3.5, 0, " "}}},
        {"wide band, load case 2",
         2,
         2.0f,
         4.0,
         0,
         {{0, 0, " "},
          {0, 50, t1},
          {0, 50, " "},
          {0, 80, t2},
          {3.5, 80, t2},
          {3.5, 50, " "},
          {3.5, 50, t1},
          {3.5, 0, " "}}},
        {"front wheel, load case 1",
         1,
         1.0f,
         2.0,
         10,
         {{0, 0, " "},
          {0, 50, t1},
          {0.45, 50, " "},
          {0.45, 80, t2},
          {3.05, 80, t2},
          {3.05, 50, " "},
          {3.5, 50, t1},
          {3.5, 0, " "},
          {3.5, 80, " "},
          {3.75, 80, " "},
          {3.75, 90, t3},
          {2.45, 90, " "},
          {2.45, 80, " "}}},
        {"front wheel, load case 2",
         2,
         1.0f,
         2.0,
         10,
         {{0, 0, " "},
          {0, 50, t1},
          {0.45, 50, " "},
          {0.45, 80, t2},
          {3.05, 80, t2},
          {3.05, 50, " "},
          {3.5, 50, t1},
          {3.5, 0, " "},
          {3.5, 90, t3},
          {2.45, 90, " "},
          {2.45, 80, " "}}},
        {"uniform load only, load case 4",
         4,
         1.0f,
         2.0,
         10,
         {{0, 0, " "}, {0, 50, t1}, {3.5, 50, t1}, {3.5, 0, " "}}},
    };
    for (const auto& c : cases) {
        auto r = WorkedExampleRecord();
        r->h1 = c.h1;
        r->axleDistance = c.axle;
        r->PvL2Frame = c.frontLoad;
        CalcTable table;
        ComputeMemberForces(*r);
        WriteMemberForces(*r, c.loadCase, table);
        const Chart& chart = table.ChartOf("Chart4");
        const Series* load = chart.Find("Series21");
        ASSERT_NE(load, nullptr) << c.name;
        EXPECT_EQ(load->colour, colours::green) << c.name;
        EXPECT_FALSE(load->sortX) << c.name;
        ExpectPoints(*load, c.points, c.name);
        EXPECT_DOUBLE_EQ(chart.left.maximum, 1.6 * (50 + 30 + c.frontLoad)) << c.name;
    }
}

// Worked example: AB peaks at 1.607 m (between samples 4 and 5), CD at 1.607 m above D.
TEST(DrawForceDiagrams, MaximumPointsStandBetweenTheirSamples) {
    auto r = WorkedExampleRecord();
    CalcTable table;
    ComputeMemberForces(*r);
    WriteMemberForces(*r, 4, table);
    const Series* moments = table.ChartOf("Chart9").Find("Series31");
    ASSERT_NE(moments, nullptr);
    EXPECT_EQ(moments->colour, colours::red);
    EXPECT_FALSE(moments->sortX);
    // The left wall: corner A, samples 0 to 4, then the maximum.
    const auto left = IndicesOf(*moments, "23.75kNm");
    ASSERT_EQ(left.size(), 2u);  // both walls
    EXPECT_EQ(left[0], 6u);
    EXPECT_NEAR(moments->points[6].x, 23.75 / 50 - 1.75, 1e-3);
    EXPECT_NEAR(moments->points[6].y, -1.75 + 1.607, 1e-3);
    EXPECT_EQ(moments->points[1].label, "-20.00kNm");  // EndLabel of sample 0
    EXPECT_EQ(moments->points[2].label, " ");
    // The right wall draws from C down; its maximum comes before the sample 1.4 m above D.
    const ChartPoint& afterMaximum = moments->points[left[1] + 1];
    EXPECT_EQ(afterMaximum.label, " ");
    EXPECT_NEAR(afterMaximum.y, -1.75 + 1.4, 1e-5);
    EXPECT_NEAR(moments->points[left[1]].y, -1.75 + 1.607, 1e-3);
}

TEST(DrawForceDiagrams, SlabMaximumOnASamplePositionIsAddedTwice) {
    auto r = WorkedExampleRecord();
    r->Bo = 4.0f;
    SetBoxAxes(*r);
    r->forcesBC.XMax = 2.0f;  // sample 5 of 4.0 m; sample 4 (1.6 m) reaches it as well
    r->forcesBC.MMax = 12.34f;
    CalcTable table;
    DrawForceDiagrams(*r, table);
    const Series& moments = *table.ChartOf("Chart9").Find("Series31");
    const auto maxima = IndicesOf(moments, "12.34kNm");
    ASSERT_EQ(maxima.size(), 2u);
    EXPECT_NEAR(moments.points[maxima[0] - 1].x, -2.0 + 1.6, 1e-6);
    EXPECT_NEAR(moments.points[maxima[1] - 1].x, 0.0, 1e-6);
    for (size_t p : maxima) {
        EXPECT_NEAR(moments.points[p].x, 0.0, 1e-9);
        EXPECT_NEAR(moments.points[p].y, 1.75 - 12.34 / 50, 1e-5);
    }
}

TEST(DrawForceDiagrams, ShearDiagramLabelsItsEndsInKilonewtons) {
    auto r = WorkedExampleRecord();
    CalcTable table;
    ComputeMemberForces(*r);
    WriteMemberForces(*r, 4, table);
    const Chart& chart = table.ChartOf("Chart10");
    const Series* outline = chart.Find("Series34");
    const Series* shears = chart.Find("Series35");
    ASSERT_NE(outline, nullptr);
    ASSERT_NE(shears, nullptr);
    EXPECT_EQ(chart.series[0].name, "Series34");
    ExpectPoints(*outline,
                 {{-1.75, -1.75, "A"},
                  {-1.75, 1.75, "B"},
                  {1.75, 1.75, "C"},
                  {1.75, -1.75, "D"},
                  {-1.75, -1.75, "A"}},
                 "Series34");
    EXPECT_EQ(shears->colour, colours::blue);
    ASSERT_EQ(shears->points.size(), 49u);  // 5 corners and 44 samples
    // Sab = 56.90 kN drawn outwards from A; Sba = −48.10 kN at B.
    EXPECT_EQ(shears->points[1].label, "56.90kN");
    EXPECT_NEAR(shears->points[1].x, -1.75 - 56.9 / 50, 1e-3);
    EXPECT_NEAR(shears->points[1].y, -1.75, 1e-9);
    EXPECT_EQ(shears->points[11].label, "-48.10kN");
    EXPECT_EQ(shears->points[12].label, " ");
    EXPECT_DOUBLE_EQ(chart.bottom.minimum, -1.75 - r->forcesAB.SStart / 50.0 - 0.5);
    for (const auto& point : shears->points)
        EXPECT_EQ(point.label.find("kNm"), std::string::npos) << point.label;
}

}  // namespace
