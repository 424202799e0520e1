// The section drawing. Lengths come from the record (m) and the processing (mm); the bars
// are drawn with the bend radii and leg lengths of the processing table.
#include "calc/drawing/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/section/quantities.h"
#include "calc/sheet/format_line.h"

namespace {

// Metres of the record in mm, to the micrometre, so that the Single 3.9 gives 3900.
double Mm(double metres) {
    return std::round(metres * 1e6) / 1e3;
}

void AddText(CadDrawing& d, CadLayer layer, CadPoint at, double height, std::string text, HAlign h,
             VAlign v, double angle = 0) {
    d.texts.push_back({layer, at, height, std::move(text), h, v, angle});
}

// The outline polygons of the record, centred on the box, moved by (dx, dy) m.
CadPolyline Outline(const BoxPolygon& polygon, double dx, double dy) {
    CadPolyline outline{CadLayer::Outline, {}, true};
    for (int k = 1; k <= polygon.n; ++k)
        outline.points.push_back({Mm(polygon.X[k] + dx), Mm(polygon.Y[k] + dy)});
    return outline;
}

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

void AddDimensions(CadDrawing& d, const TData& r, double th) {
    const double B = Mm(r.B), H = Mm(r.H), TL = Mm(r.TL), Tu = Mm(r.Tu), Tb = Mm(r.Tb);
    const double Hab = Mm(r.Hab), Hah = Mm(r.Hah);
    // Below the box: TL, Bu, TL, then B; left of it: Tb, Hu, Tu, then H.
    const double xs[] = {0, TL, B - TL, B};
    for (int k = 0; k < 3; ++k) AddDimension(d, th, {xs[k], 0}, {xs[k + 1], 0}, true, -3 * th);
    AddDimension(d, th, {0, 0}, {B, 0}, true, -5 * th);
    const double ys[] = {0, Tb, H - Tu, H};
    for (int k = 0; k < 3; ++k) AddDimension(d, th, {0, ys[k]}, {0, ys[k + 1]}, false, -3 * th);
    AddDimension(d, th, {0, 0}, {0, H}, false, -5 * th);
    // The upper left haunch, inside the opening. The vertical dimension stands clear of the
    // horizontal one's length where that is written beyond the haunch.
    if (Hab > 0 && Hah > 0) {
        const CadPoint foot{TL, H - Tu - Hah}, head{TL + Hab, H - Tu};
        AddShortDimension(d, th, foot, head, true, foot.y - 1.5 * th);
        AddShortDimension(d, th, foot, head, false, head.x + 3 * th);
    }
}

// One outer bar: the horizontal part at height y, its two bends of radius R into the legs
// at xLeft and xRight, and the legs of the given lengths; `down` for bar 1, whose legs hang.
struct OuterBar {
    double y, R, legLeft, legRight;
    bool down;
};

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

void AddBars(CadDrawing& d, const TData& r, const BarSchedule& schedule, const RebarLengths& l,
             double th) {
    const double B = Mm(r.B), H = Mm(r.H), TL = Mm(r.TL), Tu = Mm(r.Tu), Tb = Mm(r.Tb);
    const double dTop = Mm(r.dTop), dWall = Mm(r.dWall), dBottomUpper = Mm(r.dBottomUpper),
                 dBottomLower = Mm(r.dBottomLower);
    const double xLeft = dWall, xRight = B - dWall;

    // Bar 1 around the top slab, its long leg L4 on the left; bar 2 round the bottom slab,
    // its L1 on the left.
    const OuterBar top{H - dTop, l.R1, l.L4Upper, l.L1Upper, true};
    const OuterBar bottom{dBottomLower, l.R2, l.L1Lower, l.L4Lower, false};
    AddOuterBar(d, top, xLeft, xRight);
    AddOuterBar(d, bottom, xLeft, xRight);
    AddLapZone(d, th, xLeft, top.y - top.R - top.legLeft, bottom.y + bottom.R + bottom.legLeft,
               true, B);
    AddLapZone(d, th, xRight, top.y - top.R - top.legRight, bottom.y + bottom.R + bottom.legRight,
               false, B);

    // The straight bars with the lengths of the processing table, centred on their faces.
    const CadLayer layer = CadLayer::Rebar;
    const double y3 = H - Tu + dTop, y4 = Tb - dBottomUpper;
    for (const double y : {y3, y4})
        d.lines.push_back({layer, {(B - l.across) / 2, y}, {(B + l.across) / 2, y}});
    const double x5[] = {TL - dWall, B - TL + dWall};
    for (const double x : x5)
        d.lines.push_back({layer, {x, dBottomLower}, {x, dBottomLower + l.upright}});

    const std::string P = FormatLine("@000"_pattern, schedule[1]);
    const CadLayer text = CadLayer::Text;
    const double gap = 0.4 * th;
    AddText(d, text, {B / 2, H + gap}, th, FormatLine("①D00"_pattern, schedule[3]) + P,
            HAlign::Centre, VAlign::Bottom);
    AddText(d, text, {B / 2, -gap}, th, FormatLine("②D00"_pattern, schedule[2]) + P, HAlign::Centre,
            VAlign::Top);
    AddText(d, text, {B / 2, H - Tu - gap}, th, FormatLine("③D00"_pattern, schedule[5]) + P,
            HAlign::Centre, VAlign::Top);
    AddText(d, text, {B / 2, Tb + gap}, th, FormatLine("④D00"_pattern, schedule[6]) + P,
            HAlign::Centre, VAlign::Bottom);
    const std::string wall = FormatLine("⑤D00"_pattern, schedule[4]) + P;
    AddText(d, text, {x5[0] + dWall + gap, H / 2}, th, wall, HAlign::Centre, VAlign::Top, 90);
    AddText(d, text, {x5[1] - dWall - gap, H / 2}, th, wall, HAlign::Centre, VAlign::Bottom, 90);
}

}  // namespace

double DrawingTextHeight(const TData& record) {
    const double side = std::max(Mm(record.B), Mm(record.H));
    return std::max(50.0, 10.0 * std::round(side / 40.0 / 10.0));
}

CadDrawing DrawSectionCad(const TData& record, const BarSchedule& barSchedule,
                          const RebarLengths& lengths) {
    CadDrawing d;
    const double th = DrawingTextHeight(record);
    d.linetypeScale = th / 5;  // dashes of two and a half text heights
    const double B = record.B, H = record.H;
    d.polylines.push_back(Outline(record.boxOutline, B / 2, H / 2));
    // The record's opening is centred on the box; drawn to scale it sits on the bottom slab.
    const double openingRise = (double(record.Tb) - record.Tu) / 2;
    d.polylines.push_back(Outline(record.boxOpening, B / 2, H / 2 + openingRise));
    AddDimensions(d, record, th);
    if (BarsFound(barSchedule, lengths))
        AddBars(d, record, barSchedule, lengths, th);
    else
        AddText(d, CadLayer::Text, {Mm(B) / 2, Mm(H) / 2}, th,
                "鉄筋が求まらないため、鉄筋は描いていません。", HAlign::Centre, VAlign::Middle);
    return d;
}

void DrawSection(const TData& record, const BarSchedule& barSchedule, const RebarLengths& lengths,
                 int loadCase, const std::string& steelGrade, CalcTable& table) {
    const DrawingMaterials materials{record.sigmaCk, steelGrade,          record.dTop,
                                     record.dWall,   record.dBottomUpper, record.dBottomLower};
    table.drawing = SectionDrawing{DrawSectionCad(record, barSchedule, lengths),
                                   DrawingTextHeight(record), loadCase, materials};
}
