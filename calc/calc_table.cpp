// The result model and its initial contents.
#include "calc/calc_table.h"

#include <algorithm>

#include "calc/figure_controls.h"
#include "calc/section/check_sheet.h"
#include "calc/section/quantity_sheet.h"

namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

const char* const kSections =
    "部材,側壁(L)A,側壁(L)M,側壁(L)B,頂版B,頂版M,頂版C,側壁(R)C,側壁(R)M,側壁(R)D,底版D,底版M,"
    "底版A";

Grid MakeGrid(int columns, int rows, int rowHeight, Colour cell, Colour fixed,
              std::vector<int> widths, const std::string& titles, const std::string& names) {
    Grid grid(columns, rows);
    grid.rowHeight = rowHeight;
    grid.cellColour = cell;
    grid.fixedColour = fixed;
    grid.columnWidths = std::move(widths);
    grid.SetRowText(0, titles);
    grid.SetColumnText(0, names);
    return grid;
}

Chart MakeChart(const std::string& title) {
    Chart chart;
    chart.title = title;
    return chart;
}

// Series names of a chart mostly differ in their last digit only, which is looked at first.
bool Named(const Series& series, std::string_view name) {
    const std::string_view own = series.name;
    return own.size() == name.size() && (own.empty() || own.back() == name.back()) && own == name;
}

}  // namespace

Grid::Grid(int columns_, int rows_)
    : columns(columns_),
      rows(rows_),
      columnWidths(columns_, 64),
      cells(rows_, std::vector<std::string>(columns_)) {}

void Grid::SetRowText(int row, const std::string& commaText) {
    const auto items = SplitCommas(commaText);
    for (int c = 0; c < columns && c < static_cast<int>(items.size()); ++c) Cell(c, row) = items[c];
}

void Grid::SetColumnText(int column, const std::string& commaText) {
    const auto items = SplitCommas(commaText);
    for (int r = 0; r < rows && r < static_cast<int>(items.size()); ++r) Cell(column, r) = items[r];
}

void Series::Add(double x, double y, std::string label, Colour pointColour) {
    // Most series hold a few points: room for eight at once spares the first regrowths.
    constexpr std::size_t kFewPoints = 8;
    if (points.capacity() == 0) points.reserve(kFewPoints);
    ChartPoint& point = points.emplace_back();
    point.x = x;
    point.y = y;
    if (!label.empty() && label != " ") point.label = std::move(label);  // else kept blank
    point.colour = pointColour;
    point.inSeriesColour = pointColour == colour;
}

void Series::AddArrow(double x0, double y0, double x1, double y1, std::string label,
                      Colour pointColour) {
    Add(x0, y0, std::move(label), pointColour);
    points.back().endX = x1;
    points.back().endY = y1;
}

Series& Chart::Get(std::string_view name) {
    auto found =
        std::find_if(series.begin(), series.end(), [&](const Series& s) { return Named(s, name); });
    if (found != series.end()) return *found;
    Series created;
    created.name = name;
    series.push_back(std::move(created));
    return series.back();
}

const Series* Chart::Find(std::string_view name) const {
    auto found =
        std::find_if(series.begin(), series.end(), [&](const Series& s) { return Named(s, name); });
    return found == series.end() ? nullptr : &*found;
}

void ClearChart(Chart& chart) {
    for (auto& s : chart.series) s.points.clear();
}

void SetChartRange(Chart& chart, double xMin, double xMax, double yMin, double yMax) {
    chart.bottom.minimum = xMin;
    chart.bottom.maximum = xMax;
    chart.bottom.automatic = false;
    chart.left.minimum = yMin;
    chart.left.maximum = yMax;
    chart.left.automatic = false;
}

void KeepInsertionOrder(Series& series) {
    series.sortX = false;
}

void ClearForceGrid(Grid& grid) {
    for (int c = 1; c < grid.columns; ++c)
        for (int r = 1; r < grid.rows; ++r) grid.Cell(c, r) = "---";
}

CalcTable::CalcTable() {
    for (const char* name : {"ListBox1", "ListBox2", "ListBox3", "ListBox4", "ListBox5", "ListBox6",
                             "ListBox7", "ListBox9", "ListBox10"})
        lists[name] = {};
    lists["ListBox8"] = {"摘要", "Ｍ：曲げﾓｰﾒﾝﾄ", "Ｎ：軸力", "Ｓ：接点部のせん断力",
                         "Ｓ2d：接点から２ｄ部のせん断力"};

    grids["StringGrid1"] =
        MakeGrid(5, 13, 18, colours::infoBackground, colours::silver, {60, 50, 50, 50, 50},
                 "部材,M(kN･m),N(kN),S(kN),S2d(kN)", kSections);
    grids["StringGrid2"] =
        MakeGrid(8, 6, 16, colours::infoBackground, colours::silver,
                 {25, 30, 30, 30, 30, 30, 30, 30}, "NO,L1,L2,L3,L4,L,径,ﾋﾟｯﾁ", "NO,①,②,③,④,⑤");
    grids["StringGrid3"] = MakeGrid(
        14, 13, 18, colours::white, colours::greyGreen,
        {75, 45, 45, 45, 45, 55, 50, 40, 55, 75, 75, 70, 80, 45},
        "部材,M(kN･m),N(kN),S(kN),S2d(kN),Asn(mm2),As(mm2),D(mm),ﾋﾟｯﾁ(mm),σc(N/mm2),σs(N/mm2),"
        "τ(N/mm2),τ2d(N/mm2),判定",
        kSections);
    grids["StringGrid4"] =
        MakeGrid(8, 9, 16, colours::infoBackground, colours::silver,
                 {70, 30, 40, 30, 35, 55, 45, 35}, kQuantityTitles, kQuantityItems);
    grids["StringGrid5"] =
        MakeGrid(17, 13, 18, colours::white, colours::greyGreen,
                 {70, 38, 38, 58, 56, 46, 46, 46, 34, 46, 34, 46, 34, 46, 34, 84, 34}, kCheckTitles,
                 kSections);

    labels["Label97"] = {"許容応力度内", colours::blue};
    labels["Label98"] = {kQuantityNote, colours::black};

    charts["Chart1"] = MakeChart("作用荷重図");
    charts["Chart1"].left.title = "標高（ｍ）";
    charts["Chart2"] = MakeChart("");
    charts["Chart3"] = MakeChart("側壁作用荷重");
    charts["Chart6"] = MakeChart("側壁作用荷重");
    charts["Chart4"] = MakeChart("頂版作用荷重");
    charts["Chart5"] = MakeChart("底版作用荷重");
    charts["Chart9"] = MakeChart("曲げﾓｰﾒﾝﾄ図");
    charts["Chart10"] = MakeChart("せん断力図");
    charts["Chart13"] = MakeChart("主鉄筋図");

    SetUpFigures(*this);
}
