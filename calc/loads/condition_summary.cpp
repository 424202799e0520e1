// Chapter I: the design-condition summary (ListBox7) and the outline figure with its
// dimension chains (Chart2).
#include "calc/loads/condition_summary.h"

#include <initializer_list>

#include "calc/loads/dimension_chain.h"
#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

namespace {

// The selected item's text, or nothing when no item is selected.
std::string ItemText(const std::vector<std::string>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

void WriteSummaryLines(const TKakou& r, const DesignConditions& c, ChapterList& list) {
    StartList(list);
    AddLineThenEmpty(list, "1.単位体積重量");
    AddLine(list, FormatLine("  γs(土の重量)     =0.00kN/m3"_pattern, r.gammaS));
    AddLine(list, FormatLine("  γc(ｺﾝｸﾘｰﾄ重量)   =0.00kN/m3"_pattern, r.gammaC));
    if (r.ha > 0) AddLine(list, FormatLine("  γa(舗装の重量)   =0.00kN/m3"_pattern, r.gammaA));
    AddEmpty(list);

    AddLineThenEmpty(list, "2.形状");
    const auto mm = [](Single metres) { return metres * 1000.0L; };
    AddLine(list, FormatLine("  h1(土かぶり)      =#,0mm"_pattern, mm(r.h1)));
    AddLine(list, FormatLine("　ha(舗装厚)        =0mm"_pattern, mm(r.ha)));
    AddLine(list, FormatLine("　Tu(部材厚:頂版)   =#,0mm"_pattern, mm(r.Tu)));
    AddLine(list, FormatLine("　Tb(部材厚:底版)   =#,0mm"_pattern, mm(r.Tb)));
    AddLine(list, FormatLine("　TL(部材厚:側壁)   =#,0mm"_pattern, mm(r.TL)));
    AddLine(list, FormatLine("　Hab(ﾊﾝﾁ幅)　　    =0mm"_pattern, mm(r.Hab)));
    AddLine(list, FormatLine("　Hah(ﾊﾝﾁ高)　　    =0mm"_pattern, mm(r.Hah)));
    AddLine(list, FormatLine("　H (Box全高)　　   =#,0mm"_pattern, mm(r.H)));
    AddLine(list, FormatLine("　B (Box全幅)　　   =#,0mm"_pattern, mm(r.B)));
    AddLine(list, FormatLine("　Bu(Box内幅)　     =#,0mm"_pattern, mm(r.Bu)));
    AddLine(list, FormatLine("　Hu(Box内高)　     =#,0mm"_pattern, mm(r.Hu)));
    AddLine(list, FormatLine("　Ho(Box高:ﾗｰﾒﾝ軸)  =#,0mm"_pattern, mm(r.Ho)));
    AddLine(list, FormatLine("　Bo(Box幅:ﾗｰﾒﾝ軸)  =#,0mm"_pattern, mm(r.Bo)));
    AddEmpty(list);

    AddLineThenEmpty(list, "3.土圧係数");
    if (c.foundation == 0) AddLine(list, "  基礎形式          =直接基礎");
    if (c.foundation == 1) AddLine(list, "  基礎形式          =杭基礎");
    AddLine(list, FormatLine("  鉛直土圧係数(α)  =0.00"_pattern, r.alpha));
    AddLine(list, FormatLine("  断面力低減係数(β)=0.00"_pattern, r.beta));
    AddLine(list, FormatLine("　静止土圧係数(Ko)  =0.00"_pattern, r.Ko));
    AddEmpty(list);

    AddLineThenEmpty(list, "4.載荷重");
    AddLine(list, "  活荷重　          =" + ItemText(LiveLoadItems(c), c.liveLoad));
    if (c.liveLoad >= 0 && c.liveLoad <= 2)
        AddLine(list, "  活荷重載荷ﾊﾟﾀｰﾝ   =" + ItemText(CombinationItems(), c.combination));
    if (c.liveLoad == 3) AddLine(list, FormatLine("　等分布荷重　　    =0.00kN/m2"_pattern, r.q));
    AddEmpty(list);

    AddLineThenEmpty(list, "5.許容応力度");
    AddLine(list, "  コンクリート");
    AddLine(list, FormatLine("  σck(設計基準強度)       =0.00N/mm2"_pattern, r.sigmaCk));
    AddLine(list, FormatLine("　σca(許容圧縮応力度)     =0.00N/mm2"_pattern, r.sigmaCa));
    AddLine(list, FormatLine("　τa (許容剪断応力度)     =0.00N/mm2"_pattern, r.tauA));
    AddEmpty(list);
    AddLine(list, "　鉄筋(" + c.steelGrade + ")");
    AddLine(list, FormatLine("　σsa(許容引張応力度)     =0N/mm2"_pattern, r.sigmaSa));
    AddLine(list, FormatLine("　σsa(許容引張応力度:継手)=0N/mm2"_pattern, r.sigmaSaJoint));
    AddLine(list, FormatLine("　τoa(許容付着応力度)     =0.00N/mm2"_pattern, r.tauOa));
    AddEmpty(list);

    AddLineThenEmpty(list, "6.主筋中心～ｺﾝｸﾘｰﾄ表面(mm)");
    AddLine(list, FormatLine("  頂版              =0mm"_pattern, mm(r.dTop)));
    AddLine(list, FormatLine("　側壁              =0mm"_pattern, mm(r.dWall)));
    AddLine(list, FormatLine("　底版(上面)        =0mm"_pattern, mm(r.dBottomUpper)));
    AddLine(list, FormatLine("　底版(下面)        =0mm"_pattern, mm(r.dBottomLower)));
}

void DrawPolygon(Series& series, const BoxPolygon& polygon) {
    KeepInsertionOrder(series);
    series.colour = colours::black;
    series.lineWidth = 2;
    for (int k = 1; k <= polygon.n + 1; ++k) series.Add(polygon.X[k], polygon.Y[k], " ");
}

void DrawOutlineFigure(const TKakou& r, Chart& chart) {
    // Drawing order of the figure's series.
    for (const char* name : {"Series11", "Series10", "Series15", "Series16", "Series17", "Series26",
                             "Series27", "Series28", "Series29"})
        chart.Get(name);

    const double halfB = r.B / 2.0L;
    SetChartRange(chart, -halfB - 2.5, halfB + 1, -(static_cast<long double>(r.h1) + r.H + 2.5),
                  0.5);
    ClearChart(chart);

    DrawPolygon(chart.Get("Series11"), r.roadOutline);
    DrawPolygon(chart.Get("Series10"), r.roadOpening);

    Series& road = chart.Get("Series15");
    road.colour = colours::maroon;
    road.lineWidth = 2;
    road.Add(-halfB - 2.5, 0, " ");
    road.Add(halfB + 2.5, 0, " ");

    // Bottom-left and top-right outer corners.
    const double x1 = r.roadOutline.X[1], y1 = r.roadOutline.Y[1];
    const double x3 = r.roadOutline.X[3], y3 = r.roadOutline.Y[3];
    const auto chain = [&](const char* name, ChainOrientation orientation, double x, double y,
                           std::initializer_list<Single> lengths) {
        Series& series = chart.Get(name);
        series.lineWidth = 1;
        DrawDimensionChain(series, orientation, 2, Single(x), Single(y), lengths);
    };
    using enum ChainOrientation;
    chain("Series16", Vertical, x1 - 2.0, y1, {r.H, r.h1});
    chain("Series17", Vertical, x1 - 1.0, y1, {r.Tb, r.Hu, r.Tu});
    chain("Series26", Horizontal, x1, y1 - 2.0, {r.B});
    chain("Series27", Horizontal, x1, y1 - 1.0, {r.TL, r.Bu, r.TL});
    chain("Series28", Vertical, x3 + 0.5, static_cast<long double>(y3) - r.Tu - r.Hah, {r.Hah});
    chain("Series29", Horizontal, static_cast<long double>(x3) - r.TL - r.Hab, y3 + 0.5, {r.Hab});
}

}  // namespace

void WriteConditionSummary(const TKakou& record, const DesignConditions& conditions,
                           CalcTable& table) {
    WriteSummaryLines(record, conditions, table.List("ListBox7"));
    DrawOutlineFigure(record, table.ChartOf("Chart2"));
}
