// Layout of the pages of a box of cells.
#include "report/cell_pages.h"

#include <algorithm>
#include <string>

#include "calc/cells/cell_bar_sheet.h"
#include "calc/cells/cell_figures.h"
#include "calc/cells/cell_sheet.h"
#include "report/page_builder.h"

namespace {

constexpr std::size_t kLinesPerPage = 70;  // of a sheet on a portrait page, below its title
constexpr int kNarrowColumn = 24;          // the painter widens a column to its texts
constexpr int kRowsPerPage = 22;           // sections of the section table on a landscape page

class CellPages {
  public:
    explicit CellPages(const CalcTable& table) : table_(table) {}

    // The sheet over as many portrait pages as it needs; beside its first lines, a figure
    // when given.
    void Sheet(const std::string& chapter, const char* name, const char* figure = nullptr) {
        const std::vector<std::string>& lines = table_.List(name);
        for (std::size_t first = 0; first == 0 || first < lines.size(); first += kLinesPerPage) {
            ReportPage& page = Add(chapter, Orientation::Portrait);
            const std::vector<std::string> part(
                lines.begin() + long(first),
                lines.begin() + long(std::min(lines.size(), first + kLinesPerPage)));
            PageBuilder b(page, table_);
            TextBox box = Box(23.3, 25.4);
            TDrawKekka().CopyListToMemo(part, box);
            page.textBoxes.push_back(std::move(box));
            if (first == 0 && figure)
                b.Copy(figure, Figure(100.0, 29.6, 100.0, 116.7, table_.ChartOf(figure).title, 0));
        }
    }

    // A figure on a landscape page of its own.
    void FigurePage(const std::string& chapter, const char* name) {
        ReportPage& page = Add(chapter, Orientation::Landscape);
        PageBuilder b(page, table_);
        const Chart& source = table_.ChartOf(name);
        Chart& copy = b.Copy(name, Figure(23.3, 30.0, 258.5, 160.0, source.title, 0));
        copy.left.visible = source.left.visible;  // the frame diagrams go without axes
        copy.bottom.visible = source.bottom.visible;
    }

    // The section grid as tables of at most kRowsPerPage sections, each under the grid's title
    // row, its columns as wide as their texts.
    void SectionTables(const std::string& chapter) {
        const Grid& whole = table_.GridOf(kCellSectionGrid);
        const int sections = whole.rows - 1;
        const int parts = std::max(1, (sections + kRowsPerPage - 1) / kRowsPerPage);
        const int perPage = (sections + parts - 1) / parts;
        for (int first = 1; first == 1 || first <= sections; first += perPage) {
            ReportPage& page = Add(chapter, Orientation::Landscape);
            page.margins = Margins{Mm(15), Mm(10), Mm(10), Mm(10)};
            page.texts.push_back(
                Text(14.8, 27.5,
                     {"部材断面の計算は、曲げモーメントと軸方向圧縮力を受ける単鉄筋矩形断面として"
                      "行う。",
                      "各断面の値は、その断面を支配する載荷ケース・輪荷重位置のものを示す。"}));
            const int rows = std::min(perPage, sections - first + 1);
            AddTable(page, whole, first, rows, "設計断面力及び実応力度の集計");
        }
    }

    // A whole grid as one table on a landscape page of its own.
    void TablePage(const std::string& chapter, const char* name, const std::string& title) {
        const Grid& whole = table_.GridOf(name);
        ReportPage& page = Add(chapter, Orientation::Landscape);
        page.margins = Margins{Mm(15), Mm(10), Mm(10), Mm(10)};
        AddTable(page, whole, 1, whole.rows - 1, title);
    }

    // A chapter of one page goes without its part number.
    std::vector<ReportPage> Take() {
        for (std::size_t k = 0; k < pages_.size(); ++k) {
            const auto same = [&](std::size_t j) {
                return j < pages_.size() && chapters_[j] == chapters_[k];
            };
            if (!same(k + 1) && (k == 0 || !same(k - 1))) pages_[k].title = chapters_[k];
        }
        return std::move(pages_);
    }

  private:
    // Rows first .. first + rows − 1 of the grid under its title row.
    static void AddTable(ReportPage& page, const Grid& whole, int first, int rows,
                         const std::string& title) {
        Grid grid(whole.columns, 1 + std::max(rows, 0));
        grid.rowHeight = whole.rowHeight;
        std::fill(grid.columnWidths.begin(), grid.columnWidths.end(), kNarrowColumn);
        grid.cells[0] = whole.cells[0];
        for (int r = 0; r < rows; ++r)
            grid.cells[std::size_t(r + 1)] = whole.cells[std::size_t(first + r)];
        ReportChart chart = Table(14.8, 40.0, title);
        TDrawKekka().DrawGridAsChart(grid, chart);
        page.charts.push_back(std::move(chart));
    }

    ReportPage& Add(const std::string& chapter, Orientation orientation) {
        const auto part = std::count(chapters_.begin(), chapters_.end(), chapter) + 1;
        chapters_.push_back(chapter);
        ReportPage& page = pages_.emplace_back();
        page.number = int(pages_.size());
        page.title = chapter + "(" + std::to_string(part) + ")";
        page.orientation = orientation;
        return page;
    }

    const CalcTable& table_;
    std::vector<ReportPage> pages_;
    std::vector<std::string> chapters_;  // of each page
};

}  // namespace

std::vector<ReportPage> CellChapterPages(const CalcTable& table) {
    if (!HasCellChapters(table)) return {};
    CellPages pages(table);
    pages.Sheet("Ⅰ．設計条件", kCellConditionSheet, kCellOutlineFigure);
    pages.Sheet("Ⅱ．荷重値", kCellLoadSheet);
    pages.FigurePage("Ⅱ．荷重値", kCellLoadFigure);
    pages.Sheet("Ⅲ．ﾗｰﾒﾝ解析", kCellFrameSheet);
    pages.FigurePage("Ⅲ．ﾗｰﾒﾝ解析", kCellMomentFigure);
    pages.FigurePage("Ⅲ．ﾗｰﾒﾝ解析", kCellAxialFigure);
    pages.FigurePage("Ⅲ．ﾗｰﾒﾝ解析", kCellShearFigure);
    pages.SectionTables("Ⅳ．部材断面計算");
    // Chapter Ⅴ: the processing dimensions of the main bars, their drawing and the outline.
    if (table.lists.contains(kCellRebarSheet)) {
        pages.Sheet("Ⅴ．概要図", kCellRebarSheet);
        pages.TablePage("Ⅴ．概要図", kCellRebarGrid, "主鉄筋加工寸法表");
        pages.FigurePage("Ⅴ．概要図", kCellRebarChart);
    }
    pages.FigurePage("Ⅴ．概要図", kCellOutlineFigure);
    return pages.Take();
}
