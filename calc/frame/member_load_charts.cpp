// Member load figures. x runs along the member from its start joint, y is the load intensity.
#include "calc/frame/member_load_charts.h"

#include <algorithm>

#include "calc/frame/member_model.h"
#include "calc/frame/series_style.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr int kAxisLineWidth = 2;
constexpr int kLoadLineWidth = 1;

// The frame figures fix their ranges around the member: a fifth of its length either side,
// and from −0.4 to 1.6 times the load scale.
void SetMemberRange(Chart& chart, double length, double loadBottom, double loadTop) {
    SetChartRange(chart, -0.2 * length, 1.2 * length, -0.4 * loadBottom, 1.6 * loadTop);
    chart.bottom.visible = false;
}

// The member axis with the start moment, the length and the end moment as marks.
void DrawMemberAxis(Chart& chart, const std::string& name, double length,
                    const std::string& startLabel, const std::string& endLabel) {
    Series& axis = StyleLineSeries(chart, name, colours::black, kAxisLineWidth);
    axis.Add(0, 0, startLabel);
    axis.Add(length / 2, 0, FormatLine("L=0.00m"_pattern, length));
    axis.Add(length, 0, endLabel);
}

// A load varying linearly along the member, drawn as a trapezoid.
void DrawLinearLoad(Series& load, double length, double startLoad, const std::string& startLabel,
                    double endLoad, const std::string& endLabel) {
    load.Add(0, 0, " ");
    load.Add(0, startLoad, startLabel);
    load.Add(length, endLoad, endLabel);
    load.Add(length, 0, " ");
}

void DrawLeftWall(const TKakou& r, Chart& chart) {
    SetMemberRange(chart, r.Ho, r.Ph4, r.Ph4);
    DrawMemberAxis(chart, "Series18", r.Ho, FormatLine("Ma=0.00kNm;Ma=-0.00kNm"_pattern, r.Mab),
                   FormatLine("Mb=0.00kNm;Mb=-0.00kNm"_pattern, -r.Mba));
    DrawLinearLoad(StyleLineSeries(chart, "Series19", colours::maroon, kLoadLineWidth), r.Ho, r.Ph4,
                   FormatLine("w1=0.00kN/m2"_pattern, r.Ph4), r.Ph3,
                   FormatLine("w2=0.00kN/m2"_pattern, r.Ph3));
}

void DrawRightWall(const TKakou& r, Chart& chart) {
    SetMemberRange(chart, r.Ho, r.Ph2, r.Ph2);
    DrawMemberAxis(chart, "Series24", r.Ho, FormatLine("Mc=0.00kNm;Mc=-0.00kNm"_pattern, r.Mcd),
                   FormatLine("Md=0.00kNm;Md=-0.00kNm"_pattern, -r.Mdc));
    DrawLinearLoad(StyleLineSeries(chart, "Series25", colours::maroon, kLoadLineWidth), r.Ho, r.Ph1,
                   FormatLine("w2=0.00kN/m2"_pattern, r.Ph1), r.Ph2,
                   FormatLine("w1=0.00kN/m2"_pattern, r.Ph2));
}

// The uniform load as a rectangle; in load case 1 the wheel bands stand where the wheels are,
// in load case 2 they are clipped to the span.
void DrawTopSlab(const TKakou& r, int loadCase, Chart& chart) {
    const double Bo = r.Bo, w1 = r.Pv1Frame, w2 = r.PvL1Frame, w3 = r.PvL2Frame;
    SetMemberRange(chart, Bo, w1, w1 + w2 + w3);
    DrawMemberAxis(chart, "Series20", Bo, FormatLine("Mb=0.00kNm;Mb=-0.00kNm"_pattern, r.Mbc),
                   FormatLine("Mc=0.00kNm;Mc=-0.00kNm"_pattern, -r.Mcb));

    const TopSlabBands bands = ComputeTopSlabBands(r);
    const double L1 = static_cast<double>(bands.L1);
    const double frontStart = static_cast<double>(Bo - bands.L3);
    const std::string t1 = FormatLine("w1=0.00kN/m2"_pattern, w1);
    const std::string t2 = FormatLine("w2=0.00kN/m2"_pattern, w2);
    const std::string t3 = FormatLine("w3=0.00kN/m2"_pattern, w3);
    const bool wheels = loadCase == 1 || loadCase == 2;

    Series& load = StyleLineSeries(chart, "Series21", colours::green, kLoadLineWidth);
    KeepInsertionOrder(load);
    load.Add(0, 0, " ");
    load.Add(0, w1, t1);
    if (wheels && w2 > 0) {
        const double left = loadCase == 1 ? L1 : std::max(L1, 0.0);
        const double right = loadCase == 1 ? Bo - L1 : std::min(Bo, Bo - L1);
        load.Add(left, w1, " ");
        load.Add(left, w1 + w2, t2);
        load.Add(right, w1 + w2, t2);
        load.Add(right, w1, " ");
    }
    load.Add(Bo, w1, t1);
    load.Add(Bo, 0, " ");
    if (wheels && w3 > 0) {
        if (loadCase == 1) {
            const double frontWheel = Bo / 2 + r.axleDistance;
            load.Add(Bo, w1 + w2, " ");
            load.Add(frontWheel, w1 + w2, " ");
            load.Add(frontWheel, w1 + w2 + w3, t3);
        } else {
            load.Add(Bo, w1 + w2 + w3, t3);
        }
        load.Add(frontStart, w1 + w2 + w3, " ");
        load.Add(frontStart, w1 + w2, " ");
    }
}

// x runs from D to A.
void DrawBottomSlab(const TKakou& r, Chart& chart) {
    const double wmax = std::max(r.Pv2L, r.Pv2R);
    SetMemberRange(chart, r.Bo, wmax, wmax);
    DrawMemberAxis(chart, "Series22", r.Bo, FormatLine("Md=0.00kNm;Md=-0.00kNm"_pattern, r.Mda),
                   FormatLine("Ma=0.00kNm;Ma=-0.00kNm"_pattern, -r.Mad));
    DrawLinearLoad(StyleLineSeries(chart, "Series23", colours::blue, kLoadLineWidth), r.Bo, r.Pv2R,
                   FormatLine("w=0.00kN/m2"_pattern, r.Pv2R), r.Pv2L,
                   FormatLine("w=0.00kN/m2"_pattern, r.Pv2L));
}

}  // namespace

void DrawMemberLoadCharts(const TKakou& record, int loadCase, CalcTable& table) {
    for (const char* name : {"Chart3", "Chart4", "Chart5", "Chart6", "Chart9", "Chart10"})
        ClearChart(table.ChartOf(name));
    DrawLeftWall(record, table.ChartOf("Chart3"));
    DrawRightWall(record, table.ChartOf("Chart6"));
    DrawTopSlab(record, loadCase, table.ChartOf("Chart4"));
    DrawBottomSlab(record, table.ChartOf("Chart5"));
}
