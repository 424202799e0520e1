// The report of a box of cells, read back from the PDF by poppler: its chapters in place of the
// ten, numbered "n / N", with the figures on pages of their own; a sheet longer than a page, and
// the section table of three cells, go on over the next pages with every line once.
#include "report/cell_pages.h"

#include <gtest/gtest.h>

#include "calc/cells/cell_sheet.h"
#include "calc/run.h"
#include "report/report_pages.h"
#include "report/report_pdf.h"
#include "tests/calc/cells/cell_runs.h"
#include "tests/files/pdf_text.h"

namespace {

TEST(CellPages, TwoCellsReportTheirChaptersInPlaceOfTheTen) {
    EXPECT_TRUE(CellChapterPages(RunOfCells(1)).empty());
    const CalcTable table = RunOfCells(2);
    std::string pdf;
    ASSERT_TRUE(RenderReportPdf(table, kColourFigures, {}, "", pdf).Succeeded());
    const std::vector<std::pair<int, std::vector<const char*>>> expected = {
        {1, {"Ⅰ．設計条件", "セル数 n", "=2", "Box外形図(mm)", "1 / 13"}},
        {2, {"Ⅱ．荷重値(1)", "中壁(1枚)", "2 / 13"}},
        {3, {"Ⅱ．荷重値(2)", "作用荷重図(基本ケース、輪荷重なし)"}},
        {4, {"Ⅲ．ﾗｰﾒﾝ解析(1)", "直接剛性法"}},
        {5, {"曲げﾓｰﾒﾝﾄ図(基本ケース、輪荷重なし)", "-42.62", "-60.66"}},
        {6, {"軸力図(基本ケース、輪荷重なし)"}},
        {7, {"せん断力図(基本ケース、輪荷重なし)"}},
        {8, {"Ⅳ．部材断面計算", "位置(M)", "中壁1下", "頂版2右", "8 / 13"}},
        {9, {"Ⅴ．概要図(1)", "主鉄筋加工寸法計算"}},
        {10, {"Ⅴ．概要図(2)", "⑦中壁下の底版下面筋"}},
        {11, {"主鉄筋加工寸法表", "⑥", "⑦", "⑧"}},
        {12, {"主鉄筋図"}},
        {13, {"Ⅴ．概要図(5)", "1,300", "13 / 13"}},
    };
    for (const auto& [page, texts] : expected) {
        const std::string text = PdfPageText(pdf, page);
        for (const char* t : texts) EXPECT_NE(text.find(t), std::string::npos) << page << " " << t;
    }
    EXPECT_EQ(PdfPageText(pdf, 14), "");
}

TEST(CellPages, LongSheetGoesOnOverPagesWithEveryLineOnce) {
    CalcTable table = RunOfCells(3);
    std::vector<std::string>& sheet = table.List(kCellConditionSheet);
    sheet.clear();
    for (int k = 0; k < 141; ++k) sheet.push_back("line " + std::to_string(k));
    const std::vector<ReportPage> pages = WholeReport(table, kColourFigures, {}, "");
    std::vector<std::string> lines;
    std::size_t k = 0;
    for (; k < pages.size() && pages[k].title.starts_with("Ⅰ．"); ++k) {
        EXPECT_EQ(pages[k].title, "Ⅰ．設計条件(" + std::to_string(k + 1) + ")");
        EXPECT_EQ(pages[k].footer, std::to_string(k + 1) + " / " + std::to_string(pages.size()));
        for (const std::string& line : pages[k].textBoxes.at(0).lines) lines.push_back(line);
    }
    EXPECT_EQ(k, 3u);
    EXPECT_EQ(lines, sheet);
    EXPECT_EQ(pages[0].charts.size(), 1u);  // the outline beside the first lines only
    EXPECT_TRUE(pages[1].charts.empty());

    // The 28 sections of three cells over two landscape tables, each section once.
    const Grid& grid = table.GridOf(kCellSectionGrid);
    std::vector<std::string> sections;
    for (const ReportPage& page : pages) {
        if (!page.title.starts_with("Ⅳ．")) continue;
        EXPECT_EQ(page.orientation, Orientation::Landscape);
        const std::vector<ChartPoint>& texts = page.charts.at(0).chart.series.at(2).points;
        for (const ChartPoint& p : texts)  // the first column's, below its title
            if (p.x == texts.front().x && p.label != grid.Cell(0, 0)) sections.push_back(p.label);
    }
    ASSERT_EQ(sections.size(), std::size_t(grid.rows - 1));
    for (int row = 1; row < grid.rows; ++row)
        EXPECT_EQ(sections[std::size_t(row - 1)], grid.Cell(0, row));
}

}  // namespace
