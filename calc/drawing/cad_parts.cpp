// Pieces of the section drawings: texts, dimensions, the outer bars and their laps.
#include "calc/drawing/cad_parts.h"

#include <cmath>

#include "calc/sheet/format_line.h"

namespace {

constexpr double kGap = 0.2, kOvershoot = 0.3, kTick = 0.25;  // in text heights

// The length of a dimension in mm, as it is written.
std::string DimensionValue(CadPoint a, CadPoint b, bool horizontal) {
    return FormatLine("#,0"_pattern, horizontal ? std::abs(b.x - a.x) : std::abs(b.y - a.y));
}

// The lines of a dimension between two points, along x (horizontal) or y, with its line at
// `at` (a y for a horizontal one, an x for a vertical one): extension lines, the line and
// oblique ticks.
void AddDimensionLines(CadDrawing& d, double th, CadPoint a, CadPoint b, bool horizontal,
                       double at) {
    const double gap = kGap * th, overshoot = kOvershoot * th, tick = kTick * th;
    const CadLayer layer = CadLayer::Dimension;
    for (const CadPoint& p : {a, b}) {
        const double feature = horizontal ? p.y : p.x;
        const double along = horizontal ? p.x : p.y;
        const double s = at < feature ? -1 : 1;
        const auto point = [&](double across, double length) {
            return horizontal ? CadPoint{length, across} : CadPoint{across, length};
        };
        d.lines.push_back(
            {layer, point(feature + s * gap, along), point(at + s * overshoot, along)});
        d.lines.push_back({layer, point(at - tick, along - tick), point(at + tick, along + tick)});
    }
    if (horizontal)
        d.lines.push_back({layer, {a.x, at}, {b.x, at}});
    else
        d.lines.push_back({layer, {at, a.y}, {at, b.y}});
}

}  // namespace

// Metres of the record in mm, to the micrometre, so that the Single 3.9 gives 3900.
double MetresToMm(double metres) {
    return std::round(metres * 1e6) / 1e3;
}

void AddText(CadDrawing& d, CadLayer layer, CadPoint at, double height, std::string text, HAlign h,
             VAlign v, double angle) {
    d.texts.push_back({layer, at, height, std::move(text), h, v, angle});
}

// A dimension with its length in mm above the line (left of a vertical one, reading upwards).
void AddDimension(CadDrawing& d, double th, CadPoint a, CadPoint b, bool horizontal, double at) {
    AddDimensionLines(d, th, a, b, horizontal, at);
    const std::string value = DimensionValue(a, b, horizontal);
    const double gap = kGap * th;
    if (horizontal)
        AddText(d, CadLayer::Dimension, {(a.x + b.x) / 2, at + gap}, th, value, HAlign::Centre,
                VAlign::Bottom);
    else
        AddText(d, CadLayer::Dimension, {at - gap, (a.y + b.y) / 2}, th, value, HAlign::Centre,
                VAlign::Bottom, 90);
}

// A short dimension inside the opening, from a towards b (rightwards or upwards). The length
// stands above a horizontal line and right of a vertical one; where the line is too short to
// hold it between the ticks, beyond its end: right of a horizontal line, below a vertical one.
void AddShortDimension(CadDrawing& d, double th, CadPoint a, CadPoint b, bool horizontal,
                       double at) {
    AddDimensionLines(d, th, a, b, horizontal, at);
    const std::string value = DimensionValue(a, b, horizontal);
    const double gap = kGap * th, length = horizontal ? b.x - a.x : b.y - a.y;
    // A digit of the Gothic face is half a text height wide; the ticks need room too.
    const bool fits = length >= (0.5 * static_cast<double>(value.size()) + 4 * kTick) * th;
    const CadLayer layer = CadLayer::Dimension;
    if (horizontal && fits)
        AddText(d, layer, {(a.x + b.x) / 2, at + gap}, th, value, HAlign::Centre, VAlign::Bottom);
    else if (horizontal)
        AddText(d, layer, {b.x + (kTick + kGap) * th, at}, th, value, HAlign::Left, VAlign::Middle);
    else if (fits)
        AddText(d, layer, {at + gap, (a.y + b.y) / 2}, th, value, HAlign::Centre, VAlign::Top, 90);
    else
        AddText(d, layer, {at + gap, a.y - (kTick + kGap) * th}, th, value, HAlign::Right,
                VAlign::Top, 90);
}

void AddOuterBar(CadDrawing& d, const OuterBar& bar, double xLeft, double xRight) {
    const double s = bar.down ? -1 : 1;
    const double yCentre = bar.y + s * bar.R;
    const CadLayer layer = CadLayer::Rebar;
    d.lines.push_back({layer, {xLeft + bar.R, bar.y}, {xRight - bar.R, bar.y}});
    d.arcs.push_back({layer,
                      {xLeft + bar.R, yCentre},
                      bar.R,
                      bar.down ? 90.0 : 180.0,
                      bar.down ? 180.0 : 270.0});
    d.arcs.push_back(
        {layer, {xRight - bar.R, yCentre}, bar.R, bar.down ? 0.0 : 270.0, bar.down ? 90.0 : 360.0});
    d.lines.push_back({layer, {xLeft, yCentre}, {xLeft, yCentre + s * bar.legLeft}});
    d.lines.push_back({layer, {xRight, yCentre}, {xRight, yCentre + s * bar.legRight}});
}

// Where the leg of bar 2 reaches above the end of the leg of bar 1, the two lap: a dashed
// frame round the lap and its length beside the wall, outside the box.
void AddLapZone(CadDrawing& d, double th, double x, double lowerEnd, double upperEnd, bool leftWall,
                double B) {
    if (!(upperEnd > lowerEnd)) return;
    const double w = th / 2;
    d.polylines.push_back(
        {CadLayer::Rebar,
         {{x - w, lowerEnd}, {x + w, lowerEnd}, {x + w, upperEnd}, {x - w, upperEnd}},
         true,
         true});
    const double textX = leftWall ? -0.3 * th : B + 0.3 * th;
    AddText(d, CadLayer::Text, {textX, (lowerEnd + upperEnd) / 2}, th,
            "重ね継手 " + FormatLine("0"_pattern, upperEnd - lowerEnd), HAlign::Centre,
            leftWall ? VAlign::Baseline : VAlign::Top, 90);
}
