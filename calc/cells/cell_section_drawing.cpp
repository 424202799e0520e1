// The section drawing of a box of cells.
#include "calc/cells/cell_section_drawing.h"

#include <algorithm>

#include "calc/cells/cell_outline.h"
#include "calc/cells/cell_quantities.h"
#include "calc/drawing/cad_parts.h"
#include "calc/drawing/section_drawing.h"
#include "calc/sheet/format_line.h"

namespace {

CadPolyline Closed(const std::vector<CadPoint>& points) {
    return {CadLayer::Outline, points, true};
}

// The bars over and in each middle wall with their marks.
void AddMiddleWallBars(CadDrawing& d, const TData& r, const CellDesign& design,
                       const CellBarLengths& l, const std::vector<double>& axes, double th) {
    const double H = MetresToMm(r.H), dTop = MetresToMm(r.dTop), dWall = MetresToMm(r.dWall);
    const double dLower = MetresToMm(r.dBottomLower), half = MetresToMm(design.box.Tm) / 2 - dWall;
    // ⑥ and ⑦ a fifth of a text height inside ① and ②, so that both stay visible.
    const double yTop = H - dTop - th / 5, yBottom = dLower + th / 5;
    const MiddleWallBar& w = l.wall;
    const CadLayer bar = CadLayer::Rebar, text = CadLayer::Text;
    const std::string P = FormatLine("@000"_pattern, design.bars[1]);
    const double gap = 0.4 * th;
    for (const double x : axes) {
        d.lines.push_back({bar, {x - l.top.length / 2, yTop}, {x + l.top.length / 2, yTop}});
        d.lines.push_back(
            {bar, {x - l.bottom.length / 2, yBottom}, {x + l.bottom.length / 2, yBottom}});
        for (const double side : {-1.0, 1.0}) {
            const double xw = x + side * half;
            d.polylines.push_back({bar,
                                   {{xw + side * w.hookBottom, dLower},
                                    {xw, dLower},
                                    {xw, dLower + w.straight},
                                    {xw + side * w.hookTop, dLower + w.straight}}});
        }
        // ⑥ and ⑦ begin at the wall's axis and run over the next cell, so that they stay clear
        // of the marks of ① and ② in the middle of the first cell.
        AddText(d, text, {x, H + gap}, th,
                FormatLine("⑥D00"_pattern, design.bars[kTopOverMiddleBar]) + P, HAlign::Left,
                VAlign::Bottom);
        AddText(d, text, {x, -gap}, th,
                FormatLine("⑦D00"_pattern, design.bars[kBottomOverMiddleBar]) + P, HAlign::Left,
                VAlign::Top);
        AddText(d, text, {x + half + dWall + gap, H / 2}, th,
                FormatLine("⑧D00"_pattern, design.bars[kMiddleWallBar]) + P, HAlign::Centre,
                VAlign::Top, 90);
    }
}

}  // namespace

CadDrawing DrawCellSectionCad(const TData& record, const CellDesign& design,
                              const CellBarLengths& lengths) {
    CadDrawing d;
    const double th = DrawingTextHeight(record);
    d.linetypeScale = th / 5;
    const CellOutline outline = CellOutlineOf(record, design.box);
    d.polylines.push_back(Closed(outline.outer));
    std::vector<double> widths{0};
    for (const auto& opening : outline.openings) {
        d.polylines.push_back(Closed(opening));
        double left = opening.front().x, right = left;
        for (const CadPoint& p : opening) left = std::min(left, p.x), right = std::max(right, p.x);
        widths.push_back(left);
        widths.push_back(right);
    }
    widths.push_back(MetresToMm(record.B));
    AddSectionDimensions(d, record, th, widths);
    if (!CellBarsFound(design, lengths)) {
        AddText(d, CadLayer::Text, {MetresToMm(record.B) / 2, MetresToMm(record.H) / 2}, th,
                "鉄筋が求まらないため、鉄筋は描いていません。", HAlign::Centre, VAlign::Middle);
        return d;
    }
    // The marks of ① to ④ in the middle of the first cell, clear of those over the walls.
    AddMainBars(d, record, OuterBarSchedule(design.bars), lengths.outer, th,
                (widths[1] + widths[2]) / 2);
    AddMiddleWallBars(d, record, design, lengths, outline.middleAxes, th);
    return d;
}

void DrawCellSection(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                     int loadCase, const std::string& steelGrade, CalcTable& table) {
    KeepSectionDrawing(DrawCellSectionCad(record, design, lengths), record, loadCase, steelGrade,
                       table);
}
