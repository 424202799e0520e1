// Chapter I: the summary lines and the outline figure with its dimension chains.
#include "calc/loads/condition_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "box_record.h"
#include "calc/loads/dimension_chain.h"

namespace {

struct Summary {
    CalcTable table;
    const std::vector<std::string>& lines() const { return table.List("ListBox7"); }
    const Series& series(const char* name) const { return *table.ChartOf("Chart2").Find(name); }
};

Summary Write(const BoxInputs& inputs, const DesignConditions& conditions = {}) {
    Summary s;
    WriteConditionSummary(MakeRecord(inputs), conditions, s.table);
    return s;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The labels of the points that carry one, in order.
std::vector<std::string> Labels(const Series& series) {
    std::vector<std::string> labels;
    for (const ChartPoint& p : series.points)
        if (p.label != " ") labels.push_back(p.label);
    return labels;
}

TEST(ConditionSummary, DefaultsGiveTheSummaryLines) {
    // Defaults: no pavement (the γa line is left out), direct foundation, T-25 with the
    // standard pattern; Bu = Hu = 3.00 m, Ho = 3.45 m, Bo = 3.50 m.
    const std::vector<std::string> expected = {
        "1.単位体積重量",
        "",
        "  γs(土の重量)     =18.00kN/m3",
        "  γc(ｺﾝｸﾘｰﾄ重量)   =24.50kN/m3",
        "",
        "2.形状",
        "",
        "  h1(土かぶり)      =4,200mm",
        "　ha(舗装厚)        =0mm",
        "　Tu(部材厚:頂版)   =400mm",
        "　Tb(部材厚:底版)   =500mm",
        "　TL(部材厚:側壁)   =500mm",
        "　Hab(ﾊﾝﾁ幅)　　    =200mm",
        "　Hah(ﾊﾝﾁ高)　　    =200mm",
        "　H (Box全高)　　   =3,900mm",
        "　B (Box全幅)　　   =4,000mm",
        "　Bu(Box内幅)　     =3,000mm",
        "　Hu(Box内高)　     =3,000mm",
        "　Ho(Box高:ﾗｰﾒﾝ軸)  =3,450mm",
        "　Bo(Box幅:ﾗｰﾒﾝ軸)  =3,500mm",
        "",
        "3.土圧係数",
        "",
        "  基礎形式          =直接基礎",
        "  鉛直土圧係数(α)  =1.00",
        "  断面力低減係数(β)=0.90",
        "　静止土圧係数(Ko)  =0.50",
        "",
        "4.載荷重",
        "",
        "  活荷重　          =活荷重（T-25）",
        "  活荷重載荷ﾊﾟﾀｰﾝ   =標準設計",
        "",
        "5.許容応力度",
        "",
        "  コンクリート",
        "  σck(設計基準強度)       =24.00N/mm2",
        "　σca(許容圧縮応力度)     =8.00N/mm2",
        "　τa (許容剪断応力度)     =0.39N/mm2",
        "",
        "　鉄筋(SD345)",
        "　σsa(許容引張応力度)     =160N/mm2",
        "　σsa(許容引張応力度:継手)=200N/mm2",
        "　τoa(許容付着応力度)     =1.60N/mm2",
        "",
        "6.主筋中心～ｺﾝｸﾘｰﾄ表面(mm)",
        "",
        "  頂版              =100mm",
        "　側壁              =100mm",
        "　底版(上面)        =110mm",
        "　底版(下面)        =110mm",
    };
    EXPECT_EQ(Write(BoxInputs{}).lines(), expected);
}

// Rows of the summary that follow the pavement, the foundation type and the live load.
TEST(ConditionSummary, LinesFollowPavementFoundationAndLiveLoad) {
    BoxInputs paved;
    paved.ha = 0.05f;
    const auto withPavement = Write(paved).lines();
    EXPECT_EQ(withPavement.size(), 52u);
    EXPECT_EQ(withPavement[4], "  γa(舗装の重量)   =23.00kN/m3");
    EXPECT_TRUE(Contains(withPavement, "　ha(舗装厚)        =50mm"));

    DesignConditions piles;
    piles.foundation = 1;
    EXPECT_TRUE(Contains(Write(BoxInputs{}, piles).lines(), "  基礎形式          =杭基礎"));
    DesignConditions other;
    other.foundation = 2;
    const auto withoutFoundation = Write(BoxInputs{}, other).lines();
    EXPECT_EQ(withoutFoundation.size(), 50u);
    EXPECT_FALSE(Contains(withoutFoundation, "  基礎形式          =直接基礎"));

    DesignConditions none;
    none.liveLoad = 3;
    BoxInputs surcharge;
    surcharge.q = 5;
    const auto noLiveLoad = Write(surcharge, none).lines();
    EXPECT_EQ(noLiveLoad[30], "  活荷重　          =なし");
    EXPECT_EQ(noLiveLoad[31], "　等分布荷重　　    =5.00kN/m2");

    DesignConditions t20;
    t20.liveLoad = 1;
    t20.combination = 2;
    const auto combination = Write(BoxInputs{}, t20).lines();
    EXPECT_EQ(combination[30], "  活荷重　          =活荷重（T-20）");
    EXPECT_EQ(combination[31], "  活荷重載荷ﾊﾟﾀｰﾝ   =荷重組合せ（2）");
}

TEST(ConditionSummary, OutlineAxesFollowCoverAndWidth) {
    BoxInputs in;
    in.h1 = 1.0f;
    in.H = 3.0f;
    Summary s = Write(in);
    const Chart& chart = s.table.ChartOf("Chart2");
    EXPECT_FALSE(chart.left.automatic);
    EXPECT_FALSE(chart.bottom.automatic);
    EXPECT_NEAR(chart.left.minimum, -6.5, 1e-6);
    EXPECT_DOUBLE_EQ(chart.left.maximum, 0.5);
    EXPECT_NEAR(chart.bottom.minimum, -4.5, 1e-6);
    EXPECT_NEAR(chart.bottom.maximum, 3.0, 1e-6);
}

TEST(ConditionSummary, OutlineSeriesInDrawingOrder) {
    Summary s = Write(BoxInputs{});
    const Chart& chart = s.table.ChartOf("Chart2");
    std::vector<std::string> names;
    for (const Series& series : chart.series) names.push_back(series.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"Series11", "Series10", "Series15", "Series16", "Series17",
                                        "Series26", "Series27", "Series28", "Series29"}));

    const Series& outline = s.series("Series11");
    EXPECT_EQ(outline.lineWidth, 2);
    EXPECT_FALSE(outline.sortX);
    ASSERT_EQ(outline.points.size(), 5u);
    EXPECT_NEAR(outline.points[0].x, -2.0, 1e-6);
    EXPECT_NEAR(outline.points[0].y, -8.1, 1e-6);
    EXPECT_NEAR(outline.points[2].y, -4.2, 1e-6);
    EXPECT_EQ(s.series("Series10").points.size(), 7u);  // opening without lower haunches
    EXPECT_EQ(s.series("Series10").lineWidth, 2);

    const Series& road = s.series("Series15");
    EXPECT_EQ(road.colour, colours::maroon);
    EXPECT_EQ(road.lineWidth, 2);
    ASSERT_EQ(road.points.size(), 2u);
    EXPECT_NEAR(road.points[0].x, -4.5, 1e-6);
    EXPECT_NEAR(road.points[1].x, 4.5, 1e-6);
    EXPECT_EQ(road.points[1].colour, colours::maroon);
}

TEST(ConditionSummary, DimensionChainsLabelTheirSegmentsInMillimetres) {
    Summary s = Write(BoxInputs{});
    struct Row {
        const char* series;
        std::vector<std::string> labels;
        double markOffset;
    } rows[] = {
        {"Series16", {"3,900", "4,200"}, -4},
        {"Series17", {"500", "3,000", "400"}, -4},
        {"Series26", {"4,000"}, 2},
        {"Series27", {"500", "3,000", "500"}, 2},
        {"Series28", {"200"}, -4},
        {"Series29", {"200"}, 2},
    };
    for (const Row& row : rows) {
        const Series& series = s.series(row.series);
        EXPECT_EQ(Labels(series), row.labels) << row.series;
        EXPECT_TRUE(series.marksVisible) << row.series;
        EXPECT_DOUBLE_EQ(series.markOffset, row.markOffset) << row.series;
        EXPECT_EQ(series.lineWidth, 1) << row.series;
        EXPECT_FALSE(series.sortX) << row.series;
        // Start and end ticks 8 points each, a joint 12, one label point a segment.
        const std::size_t segments = row.labels.size();
        EXPECT_EQ(series.points.size(), 16 + 12 * (segments - 1) + segments) << row.series;
    }
    // The outer left chain ends at the road surface, the inner one at the top of the box.
    EXPECT_NEAR(s.series("Series16").points.back().y, 0, 1e-5);
    EXPECT_NEAR(s.series("Series17").points.back().y, -4.2, 1e-5);
}

TEST(ConditionSummary, ZeroHaunchChainsAreEmpty) {
    BoxInputs noWidth;
    noWidth.Hab = 0;
    EXPECT_TRUE(Write(noWidth).series("Series29").points.empty());
    EXPECT_FALSE(Write(noWidth).series("Series28").points.empty());
    BoxInputs noHeight;
    noHeight.Hah = 0;
    EXPECT_TRUE(Write(noHeight).series("Series28").points.empty());
}

TEST(DimensionChain, HorizontalTicksAndLabelPoint) {
    Series series;
    const Single lengths[] = {0.2f};
    DrawDimensionChain(series, ChainOrientation::Horizontal, 2, 1.3f, -3.7f, lengths);
    const double x = 1.3, y = -3.7, e = 1.5, t = 0.3, a = 0.03;
    const struct {
        double x, y;
        const char* label;
    } expected[] = {
        // start: extension stroke, arrowhead pointing left
        {x, y, " "},
        {x, y + t, " "},
        {x, y - t, " "},
        {x, y, " "},
        {x + a, y + a, " "},
        {x, y, " "},
        {x + a, y - a, " "},
        {x, y, " "},
        // label in the middle
        {x + 0.1, y, "200"},
        // end: extension stroke, arrowhead pointing right
        {e, y, " "},
        {e, y + t, " "},
        {e, y - t, " "},
        {e, y, " "},
        {e - a, y + a, " "},
        {e, y, " "},
        {e - a, y - a, " "},
        {e, y, " "},
    };
    ASSERT_EQ(series.points.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_NEAR(series.points[k].x, expected[k].x, 1e-6) << k;
        EXPECT_NEAR(series.points[k].y, expected[k].y, 1e-6) << k;
        EXPECT_EQ(series.points[k].label, expected[k].label) << k;
        EXPECT_EQ(series.points[k].colour, colours::black) << k;
    }
}

TEST(DimensionChain, VerticalJointHasArrowheadsBothWays) {
    Series series;
    const Single lengths[] = {1.0f, 2.0f};
    DrawDimensionChain(series, ChainOrientation::Vertical, 2, 0, 0, lengths);
    // start 8, label, joint 12, label, end 8
    ASSERT_EQ(series.points.size(), 30u);
    EXPECT_NEAR(series.points[8].y, 0.5, 1e-6);
    const double a = 0.03;
    const double joint[][2] = {{0, 1},     {-0.3, 1}, {0.3, 1},   {0, 1}, {-a, 1 + a}, {0, 1},
                               {a, 1 + a}, {0, 1},    {a, 1 - a}, {0, 1}, {-a, 1 - a}, {0, 1}};
    for (int k = 0; k < 12; ++k) {
        EXPECT_NEAR(series.points[9 + k].x, joint[k][0], 1e-6) << k;
        EXPECT_NEAR(series.points[9 + k].y, joint[k][1], 1e-6) << k;
    }
    EXPECT_NEAR(series.points[21].y, 2.0, 1e-6);
    EXPECT_EQ(series.points[21].label, "2,000");
    // end arrowhead pointing up: barbs below the end point
    EXPECT_NEAR(series.points[26].x, a, 1e-6);
    EXPECT_NEAR(series.points[26].y, 3 - a, 1e-6);
}

TEST(DimensionChain, ZeroSegmentsInsideAChainAreBlankTheLastIsNumbered) {
    Series series;
    const Single inner[] = {0.0f, 1.5f};
    DrawDimensionChain(series, ChainOrientation::Horizontal, 2, 0, 0, inner);
    EXPECT_EQ(series.points[8].label, " ");
    EXPECT_EQ(Labels(series), std::vector<std::string>{"1,500"});

    const Single last[] = {1.5f, 0.0f};
    DrawDimensionChain(series, ChainOrientation::Horizontal, 2, 0, 0, last);
    // "0,0" writes at least two digits.
    EXPECT_EQ(Labels(series), (std::vector<std::string>{"1,500", "00"}));
}

}  // namespace
