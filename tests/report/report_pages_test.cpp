// The ten report pages: order, orientation, margins and what fills each page.
#include "report/report_pages.h"

#include <gtest/gtest.h>

#include "sample_table.h"

namespace {

struct PageCase {
    int number;
    const char* title;
    Orientation orientation;
    std::vector<const char*> lists;  // the list boxes copied into its text boxes, in order
};

const std::vector<PageCase> kPages = {
    {1, "Ⅰ．設計条件", Orientation::Portrait, {"ListBox7"}},
    {2, "Ⅱ．荷重値(1)", Orientation::Portrait, {"ListBox4"}},
    {3, "Ⅱ．荷重値(2)", Orientation::Portrait, {"ListBox1"}},
    {4, "Ⅱ．荷重値(3)", Orientation::Landscape, {}},
    {5, "Ⅲ．ﾗｰﾒﾝ解析(1)", Orientation::Portrait, {"ListBox3"}},
    {6, "Ⅲ．ﾗｰﾒﾝ解析(2)", Orientation::Portrait, {"ListBox5"}},
    {7, "Ⅲ．ﾗｰﾒﾝ解析(3)", Orientation::Portrait, {"ListBox2"}},
    {8, "Ⅲ．ﾗｰﾒﾝ解析(4)", Orientation::Portrait, {}},
    {9, "Ⅳ．部材断面計算", Orientation::Landscape, {"ListBox9", "ListBox10"}},
    {10, "Ⅴ．概要図", Orientation::Portrait, {"ListBox6"}},
};

TEST(ReportPages, ComeInReportOrderWithTheirOrientationAndLists) {
    const CalcTable table = SampleTable();
    for (const PageCase& c : kPages) {
        const ReportPage page = BuildReportPage(c.number, table, kColourFigures);
        EXPECT_EQ(page.number, c.number);
        EXPECT_EQ(page.title, c.title);
        EXPECT_EQ(page.orientation, c.orientation) << c.title;
        ASSERT_EQ(page.textBoxes.size(), c.lists.size()) << c.title;
        for (std::size_t i = 0; i < c.lists.size(); ++i)
            EXPECT_EQ(page.textBoxes[i].lines, table.List(c.lists[i])) << c.title;
    }
    EXPECT_THROW(BuildReportPage(11, table, kColourFigures), std::out_of_range);
}

TEST(ReportPages, PageNineHasItsOwnMargins) {
    const CalcTable table;
    const ReportPage usual = BuildReportPage(1, table, kColourFigures);
    EXPECT_NEAR(usual.margins.top, Mm(10), 1e-9);
    EXPECT_NEAR(usual.margins.bottom, Mm(15), 1e-9);
    EXPECT_NEAR(usual.margins.left, Mm(20), 1e-9);
    EXPECT_NEAR(usual.margins.right, Mm(10), 1e-9);
    const ReportPage nine = BuildReportPage(9, table, kColourFigures);
    EXPECT_NEAR(nine.margins.top, Mm(15), 1e-9);
    EXPECT_NEAR(nine.margins.bottom, Mm(10), 1e-9);
    EXPECT_NEAR(nine.margins.left, Mm(10), 1e-9);
    EXPECT_NEAR(nine.margins.right, Mm(10), 1e-9);
    EXPECT_NEAR(nine.Width(), Mm(297), 1e-9);
}

TEST(ReportPages, WheelArrowsAndTitleFollowTheFigureColourChoiceOtherSeriesTheirSource) {
    const CalcTable table = SampleTable();
    const Chart& source = table.ChartOf("Chart1");
    struct ColourCase {
        int choice;
        Colour arrows, title;
    };
    for (const ColourCase& c :
         {ColourCase{kColourFigures, colours::red, colours::blue},
          ColourCase{kBlackAndWhiteFigures, colours::black, colours::black}}) {
        const ReportPage page = BuildReportPage(4, table, c.choice);
        ASSERT_EQ(page.charts.size(), 1u);
        const Chart& copy = page.charts[0].chart;
        EXPECT_EQ(copy.title, "作用荷重図");
        EXPECT_EQ(copy.titleColour, c.title);
        ASSERT_GE(copy.series.size(), 16u);
        int arrows = 0;
        for (std::size_t i = 0; i < source.series.size(); ++i) {
            const Series& from = source.series[i];
            const Series& to = copy.series[i];
            if (from.kind == SeriesKind::Arrow) {
                ++arrows;
                EXPECT_EQ(to.colour, c.arrows) << from.name;
                for (const ChartPoint& p : to.points) EXPECT_EQ(p.colour, c.arrows) << from.name;
            } else {
                EXPECT_EQ(to.colour, from.colour) << from.name;
            }
        }
        EXPECT_EQ(arrows, 2);
    }
}

TEST(ReportPages, GridsAreDrawnAsTablesOnlyThePageNineTableHasATitle) {
    const CalcTable table = SampleTable();
    struct GridCase {
        int page;
        const char* grid;
        const char* title;
    };
    for (const GridCase& c : {GridCase{8, "StringGrid1", ""},
                              GridCase{9, "StringGrid3", "設計断面力及び実応力度の集計"},
                              GridCase{10, "StringGrid2", ""}}) {
        const ReportPage page = BuildReportPage(c.page, table, kColourFigures);
        int tables = 0;
        for (const ReportChart& chart : page.charts) {
            if (!chart.showsGrid) continue;
            ++tables;
            EXPECT_EQ(chart.chart.title, c.title);
            const Grid& grid = table.GridOf(c.grid);
            EXPECT_EQ(chart.chart.series.at(2).points.size(),
                      static_cast<std::size_t>(grid.columns * grid.rows))
                << c.grid;
            EXPECT_EQ(chart.chart.series.at(2).points.back().label,
                      grid.Cell(grid.columns - 1, grid.rows - 1));
        }
        EXPECT_EQ(tables, 1) << c.page;
    }
}

TEST(ReportPages, SideWallChartsHideTheirBottomAxisAndCopyTheirSourceInOrder) {
    const CalcTable table = SampleTable();
    const ReportPage page = BuildReportPage(7, table, kColourFigures);
    ASSERT_EQ(page.charts.size(), 4u);
    const char* sources[] = {"Chart3", "Chart6", "Chart4", "Chart5"};
    const char* titles[] = {"側壁作用荷重(L)", "側壁作用荷重(R)", "頂版作用荷重", "底版作用荷重"};
    for (int i = 0; i < 4; ++i) {
        const Chart& copy = page.charts[i].chart;
        EXPECT_EQ(copy.title, titles[i]);
        EXPECT_FALSE(copy.bottom.visible);
        EXPECT_TRUE(copy.left.visible);
        EXPECT_EQ(copy.series.at(1).points.size(),
                  table.ChartOf(sources[i]).series.at(1).points.size());
    }
}

TEST(ReportPages, BeforeAnyRunThePagesShowTheInitialContent) {
    const CalcTable table;
    for (int number = 1; number <= kReportPageCount; ++number) {
        const ReportPage page = BuildReportPage(number, table, kColourFigures);
        for (const TextBox& box : page.textBoxes) EXPECT_TRUE(box.lines.empty());
        for (const ReportChart& chart : page.charts) {
            if (chart.showsGrid) continue;
            EXPECT_TRUE(chart.chart.left.automatic) << number;
        }
    }
}

}  // namespace
