// A hand-filled calculation table: every list has numbered lines, every grid cell a
// number, every chart a few series of the kinds its result tab uses.
#include "sample_table.h"

#include <string>

namespace {

void FillList(std::vector<std::string>& list, const std::string& name, int count) {
    list.clear();
    for (int i = 1; i <= count; ++i) {
        // A written fraction takes three lines: numerator, main line, denominator.
        if (i % 10 == 4) {
            list.push_back("           12.00 x 3.45");
            list.push_back("  " + name + " = ---------------- = " + std::to_string(i) + ".00");
            list.push_back("               2.00");
            i += 2;
            continue;
        }
        list.push_back("  " + name + " line " + std::to_string(i) + " = " + std::to_string(i * 7) +
                       ".25 kN/m2");
    }
}

void FillGrid(Grid& grid) {
    for (int c = 1; c < grid.columns; ++c)
        for (int r = 1; r < grid.rows; ++r)
            grid.Cell(c, r) = std::to_string(c * 10 + r) + "." + std::to_string(r % 10);
}

Series& LineSeries(Chart& chart, const std::string& name, Colour colour) {
    Series& series = chart.Get(name);
    series.colour = colour;
    KeepInsertionOrder(series);
    return series;
}

void Rectangle(Series& series, double x0, double y0, double x1, double y1) {
    series.Add(x0, y0);
    series.Add(x1, y0);
    series.Add(x1, y1);
    series.Add(x0, y1);
    series.Add(x0, y0);
}

void FillLoadDiagram(Chart& chart) {
    SetChartRange(chart, -4, 8, -6.5, 1.0);
    Rectangle(LineSeries(chart, "Series14", colours::black), -2, -4.2, 2, -8.1);
    Rectangle(LineSeries(chart, "Series13", colours::black), -1.5, -4.6, 1.5, -7.6);
    Series& axes = LineSeries(chart, "Series1", colours::black);
    axes.penStyle = PenStyle::Dot;
    axes.marksVisible = true;
    for (const char* joint : {"A", "B", "C", "D", "A"})
        axes.Add(joint[0] == 'A' || joint[0] == 'B' ? -1.75 : 1.75,
                 joint[0] == 'A' || joint[0] == 'D' ? -7.85 : -4.4, joint);
    for (const char* name : {"Series2", "Series7", "Series3", "Series4", "Series5", "Series6",
                             "Series12", "Series39", "Series63", "Series8", "Series9"})
        LineSeries(chart, name, colours::green).marksVisible = true;
    Series& pv = chart.Get("Series3");
    pv.Add(-1.75, -4.4);
    pv.Add(-1.75, -3.9, "Pv1=95.00kN/m2");
    pv.Add(1.75, -3.9, "Pv1=95.00kN/m2");
    pv.Add(1.75, -4.4);
    chart.Get("Series12").Add(-6, 0);
    chart.Get("Series12").Add(8, 0);
    for (const auto& [name, x] : {std::pair{"Series38", 0.0}, std::pair{"Series62", 4.0}}) {
        Series& arrow = chart.Get(name);
        arrow.kind = SeriesKind::Arrow;
        arrow.colour = colours::red;
        arrow.marksVisible = true;
        arrow.AddArrow(x, 0.4, x, 0, "PL1=100.00kN", colours::red);
    }
}

}  // namespace

CalcTable SampleTable() {
    CalcTable table;
    const std::pair<const char*, int> lists[] = {
        {"ListBox7", 60}, {"ListBox4", 45}, {"ListBox1", 45}, {"ListBox3", 70}, {"ListBox5", 70},
        {"ListBox2", 40}, {"ListBox9", 8},  {"ListBox10", 8}, {"ListBox6", 30}};
    for (const auto& [name, count] : lists) FillList(table.List(name), "P", count);
    for (const char* name : {"StringGrid1", "StringGrid2", "StringGrid3"})
        FillGrid(table.GridOf(name));

    FillLoadDiagram(table.ChartOf("Chart1"));
    Chart& outline = table.ChartOf("Chart2");
    SetChartRange(outline, -5, 5, -10, 1);
    Rectangle(LineSeries(outline, "Series11", colours::black), -2, -4.2, 2, -8.1);
    Rectangle(LineSeries(outline, "Series10", colours::black), -1.5, -4.6, 1.5, -7.6);
    for (const char* name : {"Chart3", "Chart6", "Chart4", "Chart5", "Chart9", "Chart10"}) {
        Chart& chart = table.ChartOf(name);
        Series& axis = LineSeries(chart, "Axis", colours::black);
        axis.Add(0, 0);
        axis.Add(3.5, 0);
        Series& load = LineSeries(chart, "Load", colours::maroon);
        load.marksVisible = true;
        load.Add(0, 0);
        load.Add(0, 1.2, "45.00");
        load.Add(3.5, 0.8, "30.00");
        load.Add(3.5, 0);
    }
    Chart& bars = table.ChartOf("Chart13");
    for (int i = 0; i < 10; ++i)
        Rectangle(LineSeries(bars, "Series" + std::to_string(42 + i), colours::blue), -2 + i * 0.1,
                  -2 + i * 0.1, 2 - i * 0.1, 2 - i * 0.1);
    return table;
}
