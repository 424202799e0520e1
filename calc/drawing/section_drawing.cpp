// The section drawing. Lengths come from the record (m) and the processing (mm); the bars
// are drawn with the bend radii and leg lengths of the processing table.
#include "calc/drawing/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "calc/drawing/cad_parts.h"
#include "calc/section/quantities.h"
#include "calc/sheet/format_line.h"

namespace {

// The outline polygons of the record, centred on the box, moved by (dx, dy) m.
CadPolyline Outline(const BoxPolygon& polygon, double dx, double dy) {
    CadPolyline outline{CadLayer::Outline, {}, true};
    for (int k = 1; k <= polygon.n; ++k)
        outline.points.push_back({MetresToMm(polygon.X[k] + dx), MetresToMm(polygon.Y[k] + dy)});
    return outline;
}

}  // namespace

void AddSectionDimensions(CadDrawing& d, const TData& r, double th, std::span<const double> xs) {
    const double B = MetresToMm(r.B), H = MetresToMm(r.H), TL = MetresToMm(r.TL),
                 Tu = MetresToMm(r.Tu), Tb = MetresToMm(r.Tb);
    const double Hab = MetresToMm(r.Hab), Hah = MetresToMm(r.Hah);
    for (std::size_t k = 0; k + 1 < xs.size(); ++k)
        AddDimension(d, th, {xs[k], 0}, {xs[k + 1], 0}, true, -3 * th);
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

void AddMainBars(CadDrawing& d, const TData& r, const BarSchedule& schedule, const RebarLengths& l,
                 double th, double markX) {
    const double B = MetresToMm(r.B), H = MetresToMm(r.H), TL = MetresToMm(r.TL),
                 Tu = MetresToMm(r.Tu), Tb = MetresToMm(r.Tb);
    const double dTop = MetresToMm(r.dTop), dWall = MetresToMm(r.dWall),
                 dBottomUpper = MetresToMm(r.dBottomUpper),
                 dBottomLower = MetresToMm(r.dBottomLower);
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
    AddText(d, text, {markX, H + gap}, th, FormatLine("①D00"_pattern, schedule[3]) + P,
            HAlign::Centre, VAlign::Bottom);
    AddText(d, text, {markX, -gap}, th, FormatLine("②D00"_pattern, schedule[2]) + P, HAlign::Centre,
            VAlign::Top);
    AddText(d, text, {markX, H - Tu - gap}, th, FormatLine("③D00"_pattern, schedule[5]) + P,
            HAlign::Centre, VAlign::Top);
    AddText(d, text, {markX, Tb + gap}, th, FormatLine("④D00"_pattern, schedule[6]) + P,
            HAlign::Centre, VAlign::Bottom);
    const std::string wall = FormatLine("⑤D00"_pattern, schedule[4]) + P;
    AddText(d, text, {x5[0] + dWall + gap, H / 2}, th, wall, HAlign::Centre, VAlign::Top, 90);
    AddText(d, text, {x5[1] - dWall - gap, H / 2}, th, wall, HAlign::Centre, VAlign::Bottom, 90);
}

double DrawingTextHeight(const TData& record) {
    const double side = std::max(MetresToMm(record.B), MetresToMm(record.H));
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
    // Below the box: TL, Bu, TL, then B; left of it: Tb, Hu, Tu, then H.
    const double widths[] = {0, MetresToMm(record.TL), MetresToMm(B) - MetresToMm(record.TL),
                             MetresToMm(B)};
    AddSectionDimensions(d, record, th, widths);
    if (BarsFound(barSchedule, lengths))
        AddMainBars(d, record, barSchedule, lengths, th, MetresToMm(B) / 2);
    else
        AddText(d, CadLayer::Text, {MetresToMm(B) / 2, MetresToMm(H) / 2}, th,
                "鉄筋が求まらないため、鉄筋は描いていません。", HAlign::Centre, VAlign::Middle);
    return d;
}

void KeepSectionDrawing(CadDrawing cad, const TData& record, int loadCase,
                        const std::string& steelGrade, CalcTable& table) {
    const DrawingMaterials materials{record.sigmaCk, steelGrade,          record.dTop,
                                     record.dWall,   record.dBottomUpper, record.dBottomLower};
    table.drawing = SectionDrawing{std::move(cad), DrawingTextHeight(record), loadCase, materials};
}

void DrawSection(const TData& record, const BarSchedule& barSchedule, const RebarLengths& lengths,
                 int loadCase, const std::string& steelGrade, CalcTable& table) {
    KeepSectionDrawing(DrawSectionCad(record, barSchedule, lengths), record, loadCase, steelGrade,
                       table);
}
