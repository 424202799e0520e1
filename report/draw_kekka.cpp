// Copying list boxes, charts and grids of the calculation table onto a report page.
#include "report/draw_kekka.h"

#include <cstdlib>
#include <stdexcept>

namespace {

// The report series that receives source series i; a report chart holds at least as many
// series as the chart it copies.
Series& ReportSeries(Chart& report, std::size_t i) {
    while (report.series.size() <= i)
        report.Get("Series" + std::to_string(report.series.size() + 1));
    return report.series[i];
}

// A copied series is drawn as the result tab draws its source.
void CopyLook(const Series& source, Series& target) {
    target.lineWidth = source.lineWidth;
    target.penStyle = source.penStyle;
    target.marksVisible = source.marksVisible;
    target.markOffset = source.markOffset;
    target.markFontSize = source.markFontSize;
    target.markFontColour = source.markFontColour;
}

void CopyAxisRange(const Axis& source, Axis& target) {
    if (source.minimum == 0 && source.maximum == 0) return;  // never set: keep the design
    target.minimum = static_cast<float>(source.minimum);
    target.maximum = static_cast<float>(source.maximum);
    target.automatic = false;
}

void AddRule(Series& rules, double x0, double y0, double x1, double y1) {
    rules.Add(x0, y0, " ", colours::black);
    rules.Add(x1, y1, " ", colours::black);
    rules.Add(x0, y0, " ", colours::black);
}

void ResetRules(Series& rules) {
    rules.points.clear();
    rules.kind = SeriesKind::FastLine;
    KeepInsertionOrder(rules);
    rules.colour = colours::black;
}

}  // namespace

void TDrawKekka::CopyListToMemo(const std::vector<std::string>& list, TextBox& memo) const {
    memo.lines.clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
        memo.height = std::abs(memo.fontHeight) * static_cast<double>(i + 3);
        memo.lines.push_back(list[i]);
    }
}

void TDrawKekka::CopyChart(const Chart& source, Chart& report) const {
    CopyAxisRange(source.left, report.left);
    CopyAxisRange(source.bottom, report.bottom);
    for (std::size_t i = 0; i < source.series.size(); ++i) {
        const Series& from = source.series[i];
        if (from.kind == SeriesKind::Point) continue;  // not copied
        Series& to = ReportSeries(report, i);
        to.points.clear();
        CopyLook(from, to);
        switch (from.kind) {
            case SeriesKind::Line:
            case SeriesKind::FastLine: {
                const bool fast = from.kind == SeriesKind::FastLine;
                KeepInsertionOrder(to);
                to.colour = from.colour;
                for (const ChartPoint& p : from.points) {
                    const std::string& label = !fast || from.marksVisible ? p.label : " ";
                    to.Add(p.x, p.y, label, fast ? colours::black : to.colour);
                }
                break;
            }
            case SeriesKind::Arrow:
                // A vertical line from the base line up to the arrow's start, labelled there.
                for (const ChartPoint& p : from.points) {
                    to.Add(p.x, 0, " ", colours::black);
                    to.Add(p.x, p.y, from.marksVisible ? p.label : " ", colours::black);
                }
                break;
            case SeriesKind::Point:
                break;
        }
    }
}

void TDrawKekka::MeasureGrid(const Grid& grid) {
    if (grid.columns > kMaxColumns)
        throw std::length_error("a table of more than " + std::to_string(kMaxColumns) +
                                " columns cannot be drawn");
    columnCount = grid.columns;
    rowCount = grid.rows;
    rowHeight = grid.rowHeight;
    totalWidth = 0;
    columnWidths.fill(0);
    for (int c = 1; c <= columnCount; ++c) {
        columnWidths[c] = grid.columnWidths.at(c - 1);
        totalWidth += columnWidths[c];
    }
    totalHeight = rowHeight * rowCount;
}

void TDrawKekka::DrawGridAsChart(const Grid& grid, ReportChart& report) {
    MeasureGrid(grid);
    const double h = rowHeight;
    const double width = totalWidth;
    const double height = totalHeight;
    Chart& chart = report.chart;
    report.showsGrid = true;

    Series& horizontal = ReportSeries(chart, kHorizontalRules);
    ResetRules(horizontal);
    AddRule(horizontal, 0, -h - 1, width, -h - 1);  // the double rule under the title row
    for (int r = 1; r <= rowCount; ++r) AddRule(horizontal, 0, -r * h, width, -r * h);

    Series& vertical = ReportSeries(chart, kVerticalRules);
    ResetRules(vertical);
    const double first = columnWidths[1] + 1;  // the double rule beside the title column
    AddRule(vertical, first, 0, first, -height);
    double x = 0;
    for (int c = 1; c <= columnCount; ++c) {
        x += columnWidths[c];
        AddRule(vertical, x, 0, x, -height);
    }

    for (Axis* axis : {&chart.left, &chart.bottom, &chart.right, &chart.top}) axis->visible = false;
    SetChartRange(chart, 0, width, -height, 0);
    report.width = width + 15.0 * columnCount;
    report.height = 5.0 * rowCount + height;

    Series& texts = ReportSeries(chart, kCellTexts);
    texts.points.clear();
    texts.kind = SeriesKind::Point;
    texts.marksVisible = true;
    texts.colour = colours::black;
    texts.markFontColour = colours::black;
    double left = 0;
    for (int c = 1; c <= columnCount; ++c) {
        const double centre = left + columnWidths[c] / 2.0;
        for (int r = 1; r <= rowCount; ++r)
            texts.Add(centre, -r * h, grid.Cell(c - 1, r - 1), colours::black);
        left += columnWidths[c];
    }
}
