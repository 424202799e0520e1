// Figure controls: mark font size, colour choice, pan and zoom, all acting on the result model.
#include "calc/figure_controls.h"

#include <initializer_list>

namespace {

struct ChartSeries {
    const char* chart;
    std::initializer_list<const char*> series;
};

// The series whose marks follow the figure font size; titles, axis labels and the other
// series (box outlines, road surface, frame of the main-bar drawing, outline figure) keep
// theirs.
const ChartSeries kFontSeries[] = {
    {"Chart13",
     {"Series44", "Series45", "Series46", "Series47", "Series48", "Series49", "Series50",
      "Series51"}},
    {"Chart1",
     {"Series1", "Series2", "Series3", "Series4", "Series5", "Series6", "Series7", "Series8",
      "Series9", "Series38", "Series39", "Series62"}},
    {"Chart3", {"Series18", "Series19"}},
    {"Chart6", {"Series24", "Series25"}},
    {"Chart4", {"Series20", "Series21"}},
    {"Chart5", {"Series22", "Series23"}},
    {"Chart9", {"Series30", "Series31"}},
    {"Chart10", {"Series34", "Series35"}},
};

// What the colour choice "ｶﾗｰ" sets; "白黒" sets every one of these to black. Member axes,
// diagram outlines and the frame of the main-bar drawing are black either way and untouched.
struct TitleColour {
    const char* chart;
    Colour colour;
};
const TitleColour kTitleColours[] = {
    {"Chart1", colours::blue},  {"Chart3", colours::maroon}, {"Chart6", colours::maroon},
    {"Chart4", colours::green}, {"Chart5", colours::blue},   {"Chart9", colours::blue},
    {"Chart10", colours::blue}, {"Chart13", colours::blue},
};

struct SeriesColour {
    const char* chart;
    const char* series;
    Colour colour;
    bool line;
    bool markFont;
};
const SeriesColour kSeriesColours[] = {
    {"Chart1", "Series1", colours::black, true, false},
    {"Chart1", "Series2", colours::green, true, false},
    {"Chart1", "Series3", colours::green, true, false},
    {"Chart1", "Series7", colours::green, true, false},
    {"Chart1", "Series4", colours::maroon, true, false},
    {"Chart1", "Series5", colours::maroon, true, false},
    {"Chart1", "Series12", colours::maroon, true, false},
    {"Chart1", "Series6", colours::blue, true, false},
    {"Chart1", "Series39", colours::red, true, false},
    {"Chart1", "Series63", colours::red, true, false},
    {"Chart1", "Series8", colours::red, true, false},
    {"Chart1", "Series9", colours::red, true, false},
    {"Chart1", "Series38", colours::red, true, false},
    {"Chart1", "Series62", colours::red, true, false},
    {"Chart1", "Series1", colours::blue, false, true},
    {"Chart3", "Series19", colours::maroon, true, false},
    {"Chart6", "Series25", colours::maroon, true, false},
    {"Chart4", "Series21", colours::green, true, false},
    {"Chart5", "Series23", colours::blue, true, false},
    {"Chart9", "Series31", colours::red, true, false},
    {"Chart10", "Series35", colours::blue, true, false},
    {"Chart13", "Series44", colours::green, true, true},
    {"Chart13", "Series48", colours::green, true, true},
    {"Chart13", "Series49", colours::green, true, true},
    {"Chart13", "Series45", colours::blue, true, true},
    {"Chart13", "Series50", colours::blue, true, true},
    {"Chart13", "Series51", colours::blue, true, true},
    {"Chart13", "Series46", colours::maroon, true, true},
    {"Chart13", "Series47", colours::maroon, true, true},
};

// A series' line colour, carried over to the points drawn in the series' colour so that the
// figure already on screen changes too; points with a colour of their own keep it.
void SetLineColour(Series& series, Colour colour) {
    for (auto& point : series.points)
        if (point.inSeriesColour) point.colour = colour;
    series.colour = colour;
}

// How a series of the window's design looks before any run.
struct SeriesForm {
    const char* name;
    int lineWidth = 1;
    bool marks = false;
    double markOffset = 0;
    SeriesKind kind = SeriesKind::Line;
    PenStyle pen = PenStyle::Solid;
};
struct ChartForm {
    const char* chart;
    bool bottomAxisVisible;
    std::initializer_list<SeriesForm> series;  // in drawing order
};
// Marks sit a few pixels above their points unless a figure places them itself.
constexpr double kAbove = 4;
const ChartForm kChartForms[] = {
    {"Chart2",
     true,
     {{"Series11", 2},
      {"Series10", 2},
      {"Series15", 2},
      {"Series16", 1, true},
      {"Series17", 1, true},
      {"Series26", 1, true},
      {"Series27", 1, true},
      {"Series28", 1, true},
      {"Series29", 1, true}}},
    {"Chart1",
     true,
     {{"Series14", 2},
      {"Series13", 2},
      {"Series1", 1, true, kAbove, SeriesKind::Line, PenStyle::Dot},
      {"Series2", 1, true, kAbove},
      {"Series7", 1, true, kAbove},
      {"Series3", 1, true, kAbove},
      {"Series4", 1, true, kAbove},
      {"Series5", 1, true, kAbove},
      {"Series6", 1, true, kAbove},
      {"Series12", 2},
      {"Series38", 1, true, kAbove, SeriesKind::Arrow},
      {"Series39", 1, true, kAbove},
      {"Series62", 1, true, kAbove, SeriesKind::Arrow},
      {"Series63", 1},
      {"Series8", 1, true, kAbove},
      {"Series9", 1, true, kAbove}}},
    {"Chart3", false, {{"Series18", 2, true, kAbove}, {"Series19", 1, true, kAbove}}},
    {"Chart6", false, {{"Series24", 2, true, kAbove}, {"Series25", 1, true, kAbove}}},
    {"Chart4", false, {{"Series20", 2, true, kAbove}, {"Series21", 1, true, kAbove}}},
    {"Chart5", false, {{"Series22", 2, true, kAbove}, {"Series23", 1, true, kAbove}}},
    {"Chart9", true, {{"Series30", 1, true, kAbove}, {"Series31", 1, true, kAbove}}},
    {"Chart10", true, {{"Series34", 1, true, kAbove}, {"Series35", 1, true, kAbove}}},
    {"Chart13",
     true,
     {{"Series42"},
      {"Series43"},
      {"Series44", 2, true, -20},
      {"Series45", 2, true, 8},
      {"Series46", 2, true, 8},
      {"Series47", 2, true, 8},
      {"Series48", 2, true, 8},
      {"Series49", 2, true, 8},
      {"Series50", 2, true, -20},
      {"Series51", 2, true, -20}}},
};

void ScrollAxis(Axis& axis, double amount) {
    axis.minimum += amount;
    axis.maximum += amount;
}

void ZoomAxis(Axis& axis, double percent) {
    const double e = (axis.maximum - axis.minimum) * (percent - 100) * 0.01;
    axis.minimum += e;
    axis.maximum -= e;
}

}  // namespace

void SetUpFigures(CalcTable& table) {
    for (const auto& form : kChartForms) {
        Chart& chart = table.ChartOf(form.chart);
        chart.bottom.visible = form.bottomAxisVisible;
        for (const auto& f : form.series) {
            Series& series = chart.Get(f.name);
            series.kind = f.kind;
            series.lineWidth = f.lineWidth;
            series.penStyle = f.pen;
            series.marksVisible = f.marks;
            series.markOffset = f.markOffset;
        }
    }
    SetFigureColours(table, 0);
}

void SetFigureFontSize(CalcTable& table, int size) {
    for (const auto& entry : kFontSeries) {
        Chart& chart = table.ChartOf(entry.chart);
        for (const char* name : entry.series) chart.Get(name).markFontSize = size;
    }
}

void SetFigureColours(CalcTable& table, int item) {
    if (item != 0 && item != 1) return;
    const bool mono = item == 1;
    for (const auto& entry : kTitleColours)
        table.ChartOf(entry.chart).titleColour = mono ? colours::black : entry.colour;
    for (const auto& entry : kSeriesColours) {
        Series& series = table.ChartOf(entry.chart).Get(entry.series);
        const Colour colour = mono ? colours::black : entry.colour;
        if (entry.line) SetLineColour(series, colour);
        if (entry.markFont) series.markFontColour = colour;
    }
}

void KeepColourChoice(CalcTable& table, int item) {
    if (item == 1) SetFigureColours(table, item);
}

void ScrollChart(Chart& chart, char direction) {
    const double dx = 0.2 * (chart.bottom.maximum - chart.bottom.minimum);
    const double dy = 0.2 * (chart.left.maximum - chart.left.minimum);
    switch (direction) {
        case 'R':
            ScrollAxis(chart.bottom, -dx);
            break;
        case 'L':
            ScrollAxis(chart.bottom, dx);
            break;
        case 'D':
            ScrollAxis(chart.left, dy);
            break;
        case 'U':
            ScrollAxis(chart.left, -dy);
            break;
        default:
            break;
    }
}

void ZoomChart(Chart& chart, double percent) {
    for (Axis* axis : {&chart.left, &chart.right, &chart.top, &chart.bottom})
        ZoomAxis(*axis, percent);
}
