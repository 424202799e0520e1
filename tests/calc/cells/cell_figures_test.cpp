// The figures of a box of cells: the outline has an opening a cell and a chain across that adds
// up to the outer width; the moment diagram writes at each joint the moment the section grid
// designs for.
#include "calc/cells/cell_figures.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/cells/cell_sheet.h"
#include "calc/run.h"
#include "tests/calc/cells/cell_runs.h"

namespace {

// The labels of a series that are numbers, in the order drawn.
std::vector<std::string> Labels(const Series& series) {
    std::vector<std::string> labels;
    for (const ChartPoint& p : series.points)
        if (p.label != " ") labels.push_back(p.label);
    return labels;
}

double Number(std::string text) {
    std::erase(text, ',');
    return std::stod(text);
}

TEST(CellFigures, OutlineHasEveryCellAndItsWidthsAddUpToB) {
    for (int cells : {2, 3}) {
        const CalcTable table = RunOfCells(cells);
        const Chart& outline = table.ChartOf(kCellOutlineFigure);
        int openings = 0;
        for (const Series& s : outline.series)
            openings += s.name == "Series10" || s.name.starts_with("Series4") ? 1 : 0;
        EXPECT_EQ(openings, cells);
        // The default box: B = 4,000 mm, TL = 500 mm, Tm = 400 mm; the chain reads
        // TL, Bu, Tm, Bu, …, TL, each to the millimetre.
        const std::vector<std::string> chain = Labels(*outline.Find("Series27"));
        ASSERT_EQ(chain.size(), std::size_t(2 * cells + 1)) << cells;
        double sum = 0;
        for (const std::string& label : chain) sum += Number(label);
        EXPECT_NEAR(sum, 4000, cells) << cells;
        EXPECT_EQ(chain[2], "400");
        EXPECT_EQ(chain[1], cells == 2 ? "1,300" : "733");
    }
}

TEST(CellFigures, MomentDiagramShowsTheMomentsTheSectionsTake) {
    const CalcTable table = RunOfCells(2);
    const Grid& grid = table.GridOf(kCellSectionGrid);
    const Chart& moments = table.ChartOf(kCellMomentFigure);
    EXPECT_NE(moments.title.find("輪荷重なし"), std::string::npos);
    const auto gridM = [&](const std::string& section) {
        for (int row = 1; row < grid.rows; ++row)
            if (grid.Cell(0, row) == section) return Number(grid.Cell(1, row));
        return 1e9;
    };
    // Series 1..7 are the members, 8..14 their diagrams; the left wall (member 0) runs from
    // its bottom to its top, the top slab's first span (member 1) from the left wall on. The
    // default design has no wheels to govern.
    const std::vector<std::string> wall = Labels(*moments.Find("Series8"));
    ASSERT_GE(wall.size(), 2u);
    EXPECT_EQ(Number(wall.front()), gridM("側壁(L)下"));
    EXPECT_EQ(Number(wall.back()), gridM("側壁(L)上"));
    const std::vector<std::string> span = Labels(*moments.Find("Series9"));
    ASSERT_EQ(span.size(), 3u);  // both ends and the span maximum
    EXPECT_EQ(Number(span[0]), gridM("頂版1左"));
    EXPECT_EQ(Number(span[1]), gridM("頂版1M"));
    EXPECT_EQ(Number(span[2]), gridM("頂版1右"));
}

}  // namespace
