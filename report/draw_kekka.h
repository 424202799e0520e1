// TDrawKekka: copies the result components of the calculation table onto one report page.
// One object serves one page build.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"

// The three series of a chart that shows a grid, by index in the chart.
inline constexpr int kHorizontalRules = 0;
inline constexpr int kVerticalRules = 1;
inline constexpr int kCellTexts = 2;

class TDrawKekka {
  public:
    static constexpr int kMaxColumns = 21;

    // Replaces the text box's lines by the list's items; the box grows to hold them.
    void CopyListToMemo(const std::vector<std::string>& list, TextBox& memo) const;
    // Copies the axis ranges and the series of a result chart onto a report chart.
    void CopyChart(const Chart& source, Chart& report) const;
    // Takes the measurements of a grid; throws std::length_error for more than 21 columns.
    void MeasureGrid(const Grid& grid);
    // Draws a grid as a table: rules and centred cell texts in grid pixels, Y downwards
    // negative, and sizes the report chart to hold it.
    void DrawGridAsChart(const Grid& grid, ReportChart& report);

    // The measurements of the last grid measured; column widths from index 1.
    int columnCount = 0;
    int rowCount = 0;
    std::array<int, kMaxColumns + 1> columnWidths{};
    int rowHeight = 0;
    int totalWidth = 0;
    int totalHeight = 0;
};
