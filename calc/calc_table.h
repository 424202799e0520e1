// The result model: every component of the calculation-table window that a stage writes,
// under its component name, with its initial contents. Windows display it, report pages,
// printing and the text output copy it; nothing here knows about Qt.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/cells/frame_record.h"
#include "calc/drawing/cad_drawing.h"
#include "calc/section/quantities.h"
#include "calc/section/section_checks.h"
#include "calc/water/case_summary.h"
#include "calc/water/stability.h"

// A colour as 0xRRGGBB.
struct Colour {
    std::uint32_t rgb = 0;
    bool operator==(const Colour&) const = default;
};

namespace colours {
inline constexpr Colour black{0x000000};
inline constexpr Colour maroon{0x800000};
inline constexpr Colour red{0xFF0000};
inline constexpr Colour green{0x008000};
inline constexpr Colour blue{0x0000FF};
inline constexpr Colour white{0xFFFFFF};
inline constexpr Colour silver{0xC0C0C0};
inline constexpr Colour grey{0x808080};
inline constexpr Colour infoBackground{0xFFFFE1};  // light yellow
inline constexpr Colour greyGreen{0x90A090};       // colour value 9478288 (0x00909090 BGR)
}  // namespace colours

struct Grid {
    int columns = 0;
    int rows = 0;
    int rowHeight = 18;
    Colour cellColour = colours::white;
    Colour fixedColour = colours::silver;
    std::vector<int> columnWidths;
    std::vector<std::vector<std::string>> cells;  // cells[row][column]

    Grid() = default;
    Grid(int columns, int rows);
    // Cell in the platform's order: column first.
    std::string& Cell(int column, int row) { return cells.at(row).at(column); }
    const std::string& Cell(int column, int row) const { return cells.at(row).at(column); }
    // Fills a row or column from cell 0 on, one comma-separated item a cell.
    void SetRowText(int row, const std::string& commaText);
    void SetColumnText(int column, const std::string& commaText);

    bool operator==(const Grid&) const = default;
};

// A cell of a grid by column and row.
struct GridCell {
    int column = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

struct Label {
    std::string text;
    Colour colour;
    bool operator==(const Label&) const = default;
};

struct ChartPoint {
    double x = 0;
    double y = 0;
    std::string label = " ";
    Colour colour;
    double endX = 0;  // arrow series: the arrow runs from (x, y) to (endX, endY)
    double endY = 0;
    bool inSeriesColour = false;  // added in its series' colour, so it follows that colour
    bool operator==(const ChartPoint&) const = default;
};

enum class SeriesKind { Line, FastLine, Point, Arrow };
enum class PenStyle { Solid, Dot };

struct Series {
    std::string name;
    std::string title;
    SeriesKind kind = SeriesKind::Line;
    Colour colour;
    int lineWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    bool marksVisible = false;
    double markOffset = 0;  // distance of a mark from its point
    int markFontSize = 9;   // points; the figure font size of the input page
    Colour markFontColour;
    bool sortX = true;  // a line series sorts its points along X unless KeepInsertionOrder
    std::vector<ChartPoint> points;

    // Adds a point; an empty label becomes " " (shows nothing).
    void Add(double x, double y, std::string label, Colour colour);
    void Add(double x, double y, std::string label = " ") { Add(x, y, std::move(label), colour); }
    void AddArrow(double x0, double y0, double x1, double y1, std::string label, Colour colour);

    bool operator==(const Series&) const = default;
};

struct Axis {
    double minimum = 0;
    double maximum = 0;
    bool automatic = true;
    bool visible = true;
    std::string title;
    bool operator==(const Axis&) const = default;
};

struct Chart {
    std::string title;
    Colour titleColour = colours::blue;
    Axis left, bottom, right, top;
    bool legendVisible = false;
    std::vector<Series> series;  // in drawing order

    // The named series; created at the end of the drawing order on first use.
    Series& Get(std::string_view name);
    const Series* Find(std::string_view name) const;

    bool operator==(const Chart&) const = default;
};

// The shared chart helpers.
void ClearChart(Chart& chart);
void SetChartRange(Chart& chart, double xMin, double xMax, double yMin, double yMax);
void KeepInsertionOrder(Series& series);

// Selected tabs of the calculation-table window (index of the tab in its page control).
struct TabSelection {
    int page1 = 0;  // PageControl1: 0 the input page, 1 "Ⅰ．設計条件", 2 "Ⅱ．荷重値", …
    int page2 = 0;  // PageControl2 (chapter II)
    int page3 = 0;  // PageControl3 (chapter III)
    bool operator==(const TabSelection&) const = default;
};

class CalcTable {
  public:
    CalcTable();

    std::vector<std::string>& List(const std::string& name) { return lists.at(name); }
    const std::vector<std::string>& List(const std::string& name) const { return lists.at(name); }
    Grid& GridOf(const std::string& name) { return grids.at(name); }
    const Grid& GridOf(const std::string& name) const { return grids.at(name); }
    Chart& ChartOf(const std::string& name) { return charts.at(name); }
    const Chart& ChartOf(const std::string& name) const { return charts.at(name); }

    std::map<std::string, std::vector<std::string>> lists;
    std::map<std::string, Grid> grids;
    std::map<std::string, Label> labels;
    std::map<std::string, Chart> charts;
    TabSelection tabs;
    // The numbers behind the quantity grid (StringGrid4), for the files; none before a run.
    std::optional<Quantities> quantities;
    // The numbers behind the summary of the checks (StringGrid5), for the files; none before
    // a run.
    std::optional<SectionChecks> checks;
    // The cross-section for the drawing file; none before a run.
    std::optional<SectionDrawing> drawing;
    // For a reviewer: the geometry of the frame (Ho, Bo, Tu, TL, Tb), every load case of the
    // last run, the documented one first, and the checks of chapter "Ⅵ．水位・安定計算"
    // where the design has that chapter; none before a run.
    std::vector<NamedValue> frame;
    // The same frame and its cases in solver-neutral form: joints, members, supports, and each
    // case's loads, end moments and section forces; none before a run.
    std::optional<FrameRecord> frameModel;
    std::vector<CaseSummary> loadCases;
    std::optional<Stability> stability;
    // What the last run found outside the usual range of a box culvert; shown apart from the
    // report.
    std::vector<std::string> warnings;
    // Cells of the section-design grid (StringGrid3) that the window shows in red: the
    // stresses over their allowable values and the verdicts of failing sections.
    std::vector<GridCell> overLimitCells;
    // The components hold the results of a run that completed: false before the first run
    // and from the start of every run until it completes.
    bool completedRun = false;
    // The design passes (DesignPasses): false until a run completes, and after one that
    // completed without passing.
    bool passed = false;

    bool operator==(const CalcTable&) const = default;
};

// Writes "---" into every non-fixed cell of the section-force summary grid.
void ClearForceGrid(Grid& grid);
