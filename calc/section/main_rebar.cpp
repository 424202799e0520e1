// The main-reinforcement drawing: box outline and opening, the three inner bars and the two
// halves of each outer bar, in m about the centre of the box.
#include "calc/section/main_rebar.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "calc/sheet/format_line.h"

namespace {

struct SeriesStyle {
    const char* name;
    std::optional<Colour> colour;  // none: the outline colour, set once and left to the user
    double markOffset;             // below the point when negative
};

constexpr double kAbove = 8;
constexpr double kBelow = -20;

// In drawing order.
const SeriesStyle kStyles[] = {
    {"Series42", std::nullopt, 0},         {"Series43", std::nullopt, 0},
    {"Series44", colours::blue, kBelow},   {"Series45", colours::green, kAbove},
    {"Series46", colours::maroon, kAbove}, {"Series47", colours::maroon, kAbove},
    {"Series48", colours::green, kAbove},  {"Series49", colours::green, kAbove},
    {"Series50", colours::blue, kBelow},   {"Series51", colours::blue, kBelow},
};

void StyleSeries(Chart& chart) {
    for (const SeriesStyle& style : kStyles) {
        const bool created = chart.Find(style.name) == nullptr;
        Series& series = chart.Get(style.name);
        const bool bar = style.colour.has_value();
        series.kind = SeriesKind::Line;
        series.lineWidth = bar ? 2 : 1;
        series.marksVisible = bar;
        series.markOffset = style.markOffset;
        if (bar)
            series.colour = *style.colour;
        else if (created)
            series.colour = colours::black;
        KeepInsertionOrder(series);
    }
}

void AddPolygon(Series& series, const BoxPolygon& polygon) {
    for (int k = 1; k <= polygon.n + 1; ++k) series.Add(polygon.X[k], polygon.Y[k]);
}

// The corner of a bent bar: where its leg and its horizontal part would meet, and the
// directions (+1 or -1) from there along the horizontal part and along the leg.
struct BendCorner {
    double x, y;
    double towardsSpan, alongLeg;
};

// One half of an outer bar: the end of its straight leg (leg in mm, measured with the bend
// radius R from the horizontal part), the quarter circle, and the end of its horizontal part.
void AddOuterHalf(Series& series, const BendCorner& corner, double leg, const std::string& legLabel,
                  double R, double xEnd, const std::string& endLabel) {
    series.Add(corner.x, corner.y + corner.alongLeg * (leg + R) / 1000, legLabel);
    for (int i = 0; i <= 5; ++i) {
        const ArcOffset o = ArcOffsets(i, R);
        series.Add(corner.x + corner.towardsSpan * o.dx, corner.y + corner.alongLeg * o.dy,
                   i == 3 ? "L2" : " ");
    }
    series.Add(xEnd, corner.y, endLabel);
}

}  // namespace

ArcOffset ArcOffsets(int i, double R) {
    const double r = R / 1000.0;
    const double angle = 18.0 * i * std::numbers::pi / 180.0;
    return {r - r * std::cos(angle), r - r * std::sin(angle)};
}

void DrawMainRebar(const TKakou& record, const BarSchedule& barSchedule, CalcTable& table) {
    Chart& chart = table.ChartOf("Chart13");
    StyleSeries(chart);
    ClearChart(chart);
    const double H = record.H, B = record.B, Hu = record.Hu, Bu = record.Bu;
    SetChartRange(chart, -(B / 2 + 0.5), B / 2 + 0.5, -(H / 2 + 0.5), H / 2 + 0.5);

    AddPolygon(chart.Get("Series42"), record.boxOpening);
    AddPolygon(chart.Get("Series43"), record.boxOutline);

    const std::string P = FormatLine("@000"_pattern, barSchedule[1]);

    const double xEnd = B / 2 - 0.05;
    const double yTop = Hu / 2 + record.dTop;
    Series& top = chart.Get("Series44");
    top.Add(-xEnd, yTop);
    top.Add(0, yTop, FormatLine("③D00"_pattern, barSchedule[5]) + P);
    top.Add(xEnd, yTop);
    const double yBottom = -(Hu / 2 + record.dBottomUpper);
    Series& bottom = chart.Get("Series45");
    bottom.Add(-xEnd, yBottom);
    bottom.Add(0, yBottom, FormatLine("④D00"_pattern, barSchedule[6]) + P);
    bottom.Add(xEnd, yBottom);

    const double yEnd = H / 2 - 0.05;
    const double xWall = Bu / 2 + record.dWall;
    const std::string wallLabel = FormatLine("⑤D00"_pattern, barSchedule[4]) + P;
    for (const double x : {-xWall, xWall}) {
        Series& wall = chart.Get(x < 0 ? "Series46" : "Series47");
        wall.Add(x, yEnd);
        wall.Add(x, 0, wallLabel);
        wall.Add(x, -yEnd);
    }

    // Bar 1 around the top slab: its halves meet at x = 0.01, its legs lie 0.02 m (left) and
    // 0.01 m (right) from those of bar 2, so that the laps stay visible.
    const double R1 = record.R1, R2 = record.R2;
    const double yTopBar = H / 2 - record.dTop;
    const double xLeft = -B / 2 + record.dWall, xRight = B / 2 - record.dWall;
    AddOuterHalf(chart.Get("Series48"), {xLeft + 0.01, yTopBar, 1, -1}, record.L4Upper, "    L4",
                 R1, 0.01, FormatLine("L3①D00"_pattern, barSchedule[3]) + P);
    AddOuterHalf(chart.Get("Series49"), {xRight + 0.01, yTopBar, -1, -1}, record.L1Upper, "    L1",
                 R1, 0.01, " ");

    // Bar 2 around the bottom slab: its halves meet at x = 0.
    const double yBottomBar = -H / 2 + record.dBottomLower;
    AddOuterHalf(chart.Get("Series50"), {xLeft - 0.01, yBottomBar, 1, 1}, record.L1Lower, "    L1",
                 R2, 0, FormatLine("L3②D00"_pattern, barSchedule[2]) + P);
    AddOuterHalf(chart.Get("Series51"), {xRight, yBottomBar, -1, 1}, record.L4Lower, "    L4", R2,
                 0, " ");
}
