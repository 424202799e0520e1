// Figures of a box of cells. The frame figures are drawn in the frame's own coordinates (x from
// the left outer wall axis, y from the bottom slab axis), every member with its own series.
#include "calc/cells/cell_figures.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/cells/frame_solver.h"
#include "calc/cells/member_sections.h"
#include "calc/frame/series_style.h"
#include "calc/loads/dimension_chain.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr int kSamples = 20;
constexpr double kAspect = 1.6;  // width to height of the frame figures on the page

struct Bounds {
    double xMin = 1e300, xMax = -1e300, yMin = 1e300, yMax = -1e300;
    void Take(double x, double y) {
        xMin = std::min(xMin, x), xMax = std::max(xMax, x);
        yMin = std::min(yMin, y), yMax = std::max(yMax, y);
    }
};

// A direction along a member and its right-hand normal.
struct MemberAxes {
    double x0 = 0, y0 = 0, c = 0, s = 0, length = 0;
    double X(double along, double right) const { return x0 + c * along + s * right; }
    double Y(double along, double right) const { return y0 + s * along - c * right; }
};

MemberAxes AxesOf(const FrameGeometry& frame, int member) {
    const FrameBar& bar = frame.members[std::size_t(member)];
    const FrameJoint& a = frame.joints[std::size_t(bar.from)];
    const FrameJoint& b = frame.joints[std::size_t(bar.to)];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    return {a.x, a.y, (b.x - a.x) / length, (b.y - a.y) / length, length};
}

std::string Value(double value) {
    return FormatLine("0.00"_pattern, std::abs(value) < 0.005 ? 0.0 : value);
}

Series& NewLine(Chart& chart, const std::string& name, Colour colour, int width) {
    Series& series = StyleLineSeries(chart, name, colour, width);
    KeepInsertionOrder(series);
    return series;
}

// The axes hidden, the range the points need with a margin, widened to the page's aspect.
void FitRange(Chart& chart, Bounds b) {
    const double margin = 0.12 * std::max(b.xMax - b.xMin, b.yMax - b.yMin);
    b.xMin -= margin, b.xMax += margin, b.yMin -= margin, b.yMax += margin;
    const double width = b.xMax - b.xMin, height = b.yMax - b.yMin;
    if (width < kAspect * height) {
        const double grow = (kAspect * height - width) / 2;
        b.xMin -= grow, b.xMax += grow;
    } else {
        const double grow = (width / kAspect - height) / 2;
        b.yMin -= grow, b.yMax += grow;
    }
    chart.left.visible = chart.bottom.visible = false;
    SetChartRange(chart, b.xMin, b.xMax, b.yMin, b.yMax);
}

// The frame's members as thin lines, one series each, named from Series1 on.
Bounds DrawFrameLines(const FrameGeometry& frame, Chart& chart) {
    Bounds bounds;
    for (int m = 0; m < frame.memberCount; ++m) {
        const MemberAxes axes = AxesOf(frame, m);
        Series& line = NewLine(chart, "Series" + std::to_string(m + 1), colours::black, 1);
        line.marksVisible = false;
        line.Add(axes.x0, axes.y0);
        line.Add(axes.X(axes.length, 0), axes.Y(axes.length, 0));
        bounds.Take(axes.x0, axes.y0);
    }
    return bounds;
}

// The positions along a member where a diagram is sampled, its extremes included.
std::vector<double> SamplePositions(double length, std::initializer_list<double> extra) {
    std::vector<double> at;
    for (int i = 0; i <= kSamples; ++i) at.push_back(length * i / kSamples);
    for (double x : extra)
        if (x > 0 && x < length) at.push_back(x);
    std::sort(at.begin(), at.end());
    return at;
}

enum class Force { M, N, S };

double ForceOf(const SectionForces& f, Force force) {
    return force == Force::M ? f.M : force == Force::N ? f.N : f.S;
}

// A diagram over every member: the value drawn on the member's right-hand side (for M, the
// tension side), its value written at both ends, at an inner extreme of M and, for the
// constant N, at the middle.
void DrawDiagram(const FrameGeometry& frame, const FrameLoads& loads, const FrameResponse& response,
                 Force force, Colour colour, Chart& chart) {
    double largest = 0;
    std::vector<std::vector<std::pair<double, double>>> members;
    std::vector<MomentExtremes> extremes;
    for (int m = 0; m < frame.memberCount; ++m) {
        const MomentExtremes e = MemberMomentExtremes(frame, loads, response, m);
        extremes.push_back(e);
        std::vector<std::pair<double, double>> values;
        for (double x : SamplePositions(MemberLength(frame, m), {e.largest.x, e.smallest.x})) {
            const double v = ForceOf(SectionAt(frame, loads, response, m, x), force);
            values.emplace_back(x, v);
            largest = std::max(largest, std::abs(v));
        }
        members.push_back(std::move(values));
    }
    Bounds bounds = DrawFrameLines(frame, chart);
    double shortest = 1e300;
    for (int m = 0; m < frame.memberCount; ++m)
        shortest = std::min(shortest, MemberLength(frame, m));
    const double scale = largest > 0 ? 0.3 * shortest / largest : 1;
    for (int m = 0; m < frame.memberCount; ++m) {
        const MemberAxes axes = AxesOf(frame, m);
        const MomentExtremes& e = extremes[std::size_t(m)];
        const auto& values = members[std::size_t(m)];
        Series& line =
            NewLine(chart, "Series" + std::to_string(frame.memberCount + m + 1), colour, 1);
        line.Add(axes.x0, axes.y0);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto [x, v] = values[i];
            const bool end = i == 0 || i + 1 == values.size();
            const bool middle = force == Force::N && i == values.size() / 2;
            const bool peak = force == Force::M && !end && (x == e.largest.x || x == e.smallest.x);
            const double px = axes.X(x, v * scale), py = axes.Y(x, v * scale);
            line.Add(px, py, (end && force != Force::N) || middle || peak ? Value(v) : " ");
            bounds.Take(px, py);
        }
        line.Add(axes.X(axes.length, 0), axes.Y(axes.length, 0));
    }
    FitRange(chart, bounds);
}

// The loads as arrows onto the members: each line load with its outline and its intensities
// at both ends, each point load as one arrow with its value.
void DrawLoads(const FrameGeometry& frame, const FrameLoads& loads, Chart& chart) {
    Bounds bounds = DrawFrameLines(frame, chart);
    double largest = 0, shortest = 1e300;
    for (const MemberLoad& load : loads.All())
        if (!load.point) largest = std::max({largest, std::abs(load.qa), std::abs(load.qb)});
    for (int m = 0; m < frame.memberCount; ++m)
        shortest = std::min(shortest, MemberLength(frame, m));
    const double reach = 0.3 * shortest;
    const double scale = largest > 0 ? reach / largest : 1;
    int k = frame.memberCount;
    for (const MemberLoad& load : loads.All()) {
        const MemberAxes axes = AxesOf(frame, load.member);
        Series& line = NewLine(chart, "Series" + std::to_string(++k), colours::blue, 1);
        // A load positive to the left pushes towards the left: its tail stands on the right.
        const auto arrow = [&](double x, double tail, const std::string& label) {
            const double head = 0.06 * reach * (tail > 0 ? 1 : -1);
            line.Add(axes.X(x, tail), axes.Y(x, tail), label);
            line.Add(axes.X(x, 0), axes.Y(x, 0));
            line.Add(axes.X(x - head / 2, head), axes.Y(x - head / 2, head));
            line.Add(axes.X(x, 0), axes.Y(x, 0));
            line.Add(axes.X(x + head / 2, head), axes.Y(x + head / 2, head));
            line.Add(axes.X(x, 0), axes.Y(x, 0));
            line.Add(axes.X(x, tail), axes.Y(x, tail));
            bounds.Take(axes.X(x, tail), axes.Y(x, tail));
        };
        if (load.point) {
            arrow(load.a, load.P > 0 ? 0.5 * reach : -0.5 * reach,
                  FormatLine("0.00kN"_pattern, std::abs(load.P)));
            continue;
        }
        const int steps = std::max(1, int(std::lround(10 * (load.b - load.a) / axes.length)));
        for (int i = 0; i <= steps; ++i) {
            const double x = load.a + (load.b - load.a) * i / steps;
            const double q = load.qa + (load.qb - load.qa) * i / steps;
            const bool labelled = i == 0 || (i == steps && load.qb != load.qa);
            arrow(x, q * scale, labelled ? Value(std::abs(q)) : " ");
        }
    }
    FitRange(chart, bounds);
}

// The outline: the one-cell figure's road line and vertical chains, the box's outer outline,
// every cell's opening with its haunches and the chain across the cells.
void DrawOutline(const TData& r, const CellBox& box, const Chart& outline, Chart& chart) {
    chart = outline;
    chart.title = "Box外形図(mm)";
    const double x1 = r.roadOutline.X[1], y1 = r.roadOutline.Y[1];
    const double bottom = y1 + double(r.Tb), top = bottom + double(r.Hu);
    const double hab = r.Hab, hah = r.Hah;
    const Series* opening = outline.Find("Series10");
    for (int cell = 0; cell < box.cells; ++cell) {
        Series& series = chart.Get(cell == 0 ? "Series10" : "Series4" + std::to_string(cell));
        series = *opening;
        series.name = cell == 0 ? "Series10" : "Series4" + std::to_string(cell);
        series.points.clear();
        const double left = x1 + double(r.TL) + cell * (box.Bu + box.Tm), right = left + box.Bu;
        const double xs[] = {left + hab, right - hab, right, right,     right - hab,
                             left + hab, left,        left,  left + hab};
        const double ys[] = {bottom, bottom,    bottom + hah, top - hah, top,
                             top,    top - hah, bottom + hah, bottom};
        for (int i = 0; i < 9; ++i) series.Add(xs[i], ys[i]);
    }
    Series& across = chart.Get("Series27");
    across.points.clear();
    std::vector<Single> lengths = {r.TL};
    for (int cell = 0; cell < box.cells; ++cell) {
        if (cell > 0) lengths.push_back(Single(box.Tm));
        lengths.push_back(Single(box.Bu));
    }
    lengths.push_back(r.TL);
    DrawDimensionChain(across, ChainOrientation::Horizontal, 2, Single(x1), Single(y1 - 1.0),
                       lengths);
}

}  // namespace

void DrawCellFigures(const RunWork& work, const Chart& outline, CalcTable& table) {
    const CellDesign& d = work.cells;
    DrawOutline(work.record, d.box, outline, table.charts[kCellOutlineFigure]);
    const FrameLoads loads = SubCaseLoadsOf(d, {0, {}});
    const FrameResponse response = FrameSolver(d.frame).Solve(loads);
    const auto fresh = [&](const char* name, const char* title) -> Chart& {
        Chart& chart = table.charts[name];
        chart = Chart{};
        chart.title = title;
        return chart;
    };
    DrawLoads(d.frame, loads, fresh(kCellLoadFigure, "作用荷重図(基本ケース、輪荷重なし)"));
    DrawDiagram(d.frame, loads, response, Force::M, colours::red,
                fresh(kCellMomentFigure, "曲げﾓｰﾒﾝﾄ図(基本ケース、輪荷重なし)"));
    DrawDiagram(d.frame, loads, response, Force::N, colours::green,
                fresh(kCellAxialFigure, "軸力図(基本ケース、輪荷重なし)"));
    DrawDiagram(d.frame, loads, response, Force::S, colours::blue,
                fresh(kCellShearFigure, "せん断力図(基本ケース、輪荷重なし)"));
}
