// The bar processing sheet and the main-bar drawing of a box of cells.
#include "calc/cells/cell_bar_sheet.h"

#include "calc/cells/cell_outline.h"
#include "calc/section/rebar_processing.h"
#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

namespace {

std::string Length(Single mm) {
    return FormatLine("#,0"_pattern, mm);
}

void WriteOverWall(ChapterList& list, const char* title, const char* mark, int phi,
                   const OverWallBar& bar) {
    AddLine(list, title);
    AddLine(list, "   中壁の軸から両側へBu/4+Laを延ばす直線筋とする。");
    AddLine(list, std::string("   La(") + mark + "定着長)=φ・σsa/4τoa =" + Length(bar.La));
    AddLine(list, FormatLine("     φ(鉄筋直径)         =D0"_pattern, phi));
    AddLine(list, "   a=Bu/4+La(10mm切上げ)  =" + Length(bar.reach));
    AddLine(list, std::string("   L(") + mark + ")=Tm+2･a          =" + Length(bar.length));
    AddLine(list, " ");
}

void WriteRules(ChapterList& list, const CellDesign& d, const CellBarLengths& l) {
    const MiddleWallBar& w = l.wall;
    AddLine(list, " ");
    AddLine(list, " 10)外周筋①②、内側筋③④、側壁筋⑤");
    AddLine(list, "   ①②は箱全体を囲み(B,Hは箱全体の外寸)、③④は中壁を貫いて");
    AddLine(list, "   全幅に通す。⑤は外側壁に置く。寸法は1)～9)による。");
    AddLine(list, " ");
    WriteOverWall(list, " 11)⑥中壁上の頂版上面筋", "⑥", d.bars[kTopOverMiddleBar], l.top);
    WriteOverWall(list, " 12)⑦中壁下の底版下面筋", "⑦", d.bars[kBottomOverMiddleBar], l.bottom);
    AddLine(list, " 13)⑧中壁筋(両面同じ)");
    AddLine(list, "   底版下面筋から頂版上面筋の位置まで通し、版内の長さが");
    AddLine(list, "   定着長Laに足りない分は端部を版に沿ってｾﾙ側へ曲げる。");
    AddLine(list, "   La(⑧定着長)=φ・σsa/4τoa =" + Length(w.La));
    AddLine(list, FormatLine("     φ(鉄筋直径)         =D0"_pattern, d.bars[kMiddleWallBar]));
    AddLine(list, "   L3(直線部)=H-d1'-d2     =" + Length(w.straight));
    AddLine(list, "   頂版内の長さ=Tu-d1'     =" + Length(w.depthTop));
    AddLine(list, "   底版内の長さ=Tb-d2      =" + Length(w.depthBottom));
    AddLine(list, "   L1(頂版側)=La-(Tu-d1')  =" + Length(w.hookTop));
    AddLine(list, "   L4(底版側)=La-(Tb-d2)   =" + Length(w.hookBottom));
    AddLine(list, "   L(⑧)=L1+L3+L4          =" + Length(w.length));
    AddLine(list, "   L1,L4は負のとき0、10mm単位に切上げ。");
    AddLine(list, "   ここに d1'(頂版上面鉄筋かぶり)、d2(底版下面鉄筋かぶり)");
}

void WriteGridRows(Grid& grid, const CellDesign& d, const CellBarLengths& l) {
    const std::string pitch = FormatLine("@00"_pattern, d.bars[1]);
    const int first = grid.rows;
    grid.rows += 3;
    grid.cells.resize(std::size_t(grid.rows), std::vector<std::string>(std::size_t(grid.columns)));
    const struct {
        const char* mark;
        Single L1, L3, L4, L;
        int entry;
        bool bent;
    } rows[] = {
        {"⑥", l.top.length, 0, 0, l.top.length, kTopOverMiddleBar, false},
        {"⑦", l.bottom.length, 0, 0, l.bottom.length, kBottomOverMiddleBar, false},
        {"⑧", l.wall.hookTop, l.wall.straight, l.wall.hookBottom, l.wall.length, kMiddleWallBar,
         true},
    };
    for (int k = 0; k < 3; ++k) {
        const auto& r = rows[k];
        const int row = first + k;
        grid.Cell(0, row) = r.mark;
        grid.Cell(1, row) = FormatLine("0"_pattern, r.L1);
        grid.Cell(2, row) = "---";
        grid.Cell(3, row) = r.bent ? FormatLine("0"_pattern, r.L3) : "---";
        grid.Cell(4, row) = r.bent ? FormatLine("0"_pattern, r.L4) : "---";
        grid.Cell(5, row) = FormatLine("0"_pattern, r.L);
        grid.Cell(6, row) = FormatLine("D00"_pattern, d.bars[std::size_t(r.entry)]);
        grid.Cell(7, row) = pitch;
    }
}

// A bar as one series of the drawing, in m about the box's lower left corner.
void AddBar(Chart& chart, const std::string& name, Colour colour,
            std::initializer_list<CadPoint> points, const std::string& label) {
    Series& s = chart.Get(name);
    s.kind = SeriesKind::Line;
    s.colour = colour;
    s.lineWidth = 2;
    s.marksVisible = true;
    s.markOffset = 8;
    KeepInsertionOrder(s);
    std::size_t k = 0;
    for (const CadPoint& p : points)
        s.Add(p.x / 1000, p.y / 1000, ++k == (points.size() + 1) / 2 ? label : " ");
}

void AddPolygon(Chart& chart, const std::string& name, const std::vector<CadPoint>& points) {
    Series& s = chart.Get(name);
    s.kind = SeriesKind::Line;
    s.colour = colours::black;
    KeepInsertionOrder(s);
    for (const CadPoint& p : points) s.Add(p.x / 1000, p.y / 1000);
    s.Add(points.front().x / 1000, points.front().y / 1000);
}

}  // namespace

void WriteCellBars(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                   CalcTable& table) {
    CalcTable scratch;
    const BarSchedule outer = OuterBarSchedule(design.bars);
    WriteRebarProcessing(record, outer, lengths.outer, scratch);
    ChapterList& list = table.lists[kCellRebarSheet];
    list = scratch.List("ListBox6");
    WriteRules(list, design, lengths);
    Grid& grid = table.grids[kCellRebarGrid];
    grid = scratch.GridOf("StringGrid2");
    WriteGridRows(grid, design, lengths);
}

void DrawCellMainRebar(const TData& record, const CellDesign& design, const CellBarLengths& lengths,
                       CalcTable& table) {
    Chart& chart = table.charts[kCellRebarChart];
    chart = Chart{};
    chart.title = "主鉄筋図";
    const CellOutline outline = CellOutlineOf(record, design.box);
    const double B = record.B * 1000.0, H = record.H * 1000.0;
    SetChartRange(chart, -0.5, B / 1000 + 0.5, -0.5, H / 1000 + 0.5);
    AddPolygon(chart, "outer", outline.outer);
    for (std::size_t k = 0; k < outline.openings.size(); ++k)
        AddPolygon(chart, "cell" + std::to_string(k + 1), outline.openings[k]);

    const auto& b = design.bars;
    const std::string P = FormatLine("@000"_pattern, b[1]);
    const auto mark = [&](const char* symbol, int entry) {
        return symbol + FormatLine("D00"_pattern, b[std::size_t(entry)]) + P;
    };
    const double dTop = record.dTop * 1000.0, dWall = record.dWall * 1000.0;
    const double dLower = record.dBottomLower * 1000.0, dUpper = record.dBottomUpper * 1000.0;
    const double Tu = record.Tu * 1000.0, Tb = record.Tb * 1000.0, TL = record.TL * 1000.0;
    const RebarLengths& o = lengths.outer;
    // ① and ② as closed hoops round the box, ③ ④ across, ⑤ in the outer walls; the marks of
    // ① to ④ over the first cell, clear of those over the middle walls.
    const double xc = TL + design.box.Bu * 1000.0 / 2;
    AddBar(chart, "bar1", colours::green,
           {{dWall, H - dTop - o.L4Upper},
            {dWall, H - dTop},
            {xc, H - dTop},
            {B - dWall, H - dTop},
            {B - dWall, H - dTop - o.L1Upper}},
           mark("①", 3));
    AddBar(chart, "bar2", colours::blue,
           {{dWall, dLower + o.L1Lower},
            {dWall, dLower},
            {xc, dLower},
            {B - dWall, dLower},
            {B - dWall, dLower + o.L4Lower}},
           mark("②", 2));
    AddBar(chart, "bar3", colours::blue,
           {{dWall, H - Tu + dTop}, {xc, H - Tu + dTop}, {B - dWall, H - Tu + dTop}}, mark("③", 5));
    AddBar(chart, "bar4", colours::green,
           {{dWall, Tb - dUpper}, {xc, Tb - dUpper}, {B - dWall, Tb - dUpper}}, mark("④", 6));
    for (const double x : {TL - dWall, B - TL + dWall})
        AddBar(chart, x < B / 2 ? "bar5L" : "bar5R", colours::maroon,
               {{x, dLower}, {x, H / 2}, {x, H - dTop}}, mark("⑤", 4));
    const double offset = 40;  // beside ① and ②, so that both stay visible
    const MiddleWallBar& w = lengths.wall;
    for (std::size_t j = 0; j < outline.middleAxes.size(); ++j) {
        const double x = outline.middleAxes[j];
        const std::string n = std::to_string(j + 1);
        const double yTop = H - dTop - offset, yBottom = dLower + offset;
        AddBar(chart, "bar6-" + n, colours::red,
               {{x - lengths.top.length / 2, yTop}, {x, yTop}, {x + lengths.top.length / 2, yTop}},
               mark("⑥", kTopOverMiddleBar));
        AddBar(chart, "bar7-" + n, colours::red,
               {{x - lengths.bottom.length / 2, yBottom},
                {x, yBottom},
                {x + lengths.bottom.length / 2, yBottom}},
               mark("⑦", kBottomOverMiddleBar));
        for (const double side : {-1.0, 1.0}) {
            const double xw = x + side * (design.box.Tm * 1000.0 / 2 - dWall);
            AddBar(chart, "bar8-" + n + (side < 0 ? "L" : "R"), colours::maroon,
                   {{xw + side * w.hookBottom, dLower},
                    {xw, dLower},
                    {xw, H / 2},
                    {xw, H - dTop},
                    {xw + side * w.hookTop, H - dTop}},
                   side < 0 ? " " : mark("⑧", kMiddleWallBar));
        }
    }
}
