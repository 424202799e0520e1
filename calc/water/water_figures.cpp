// Figures of the water chapter.
#include "calc/water/water_figures.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/frame/diagram_members.h"
#include "calc/frame/force_diagrams.h"
#include "calc/frame/series_style.h"
#include "calc/loads/load_diagram.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr double kMarkAbove = 4;

void DrawWaterLevel(Chart& chart, double left, double right, double depth,
                    const std::string& label) {
    const int fontSize = chart.Get("Series3").markFontSize;
    Series& level = StyleLineSeries(chart, "Series64", colours::blue, 1);
    level.penStyle = PenStyle::Dot;
    level.markOffset = kMarkAbove;
    level.markFontSize = fontSize;
    level.Add(left, -depth, label);
    level.Add(right, -depth, " ");
}

}  // namespace

void DrawCaseLoadDiagram(const FrameCase& c, const WaterInputs& water, int loadCase,
                         const Chart& documented, Chart& chart) {
    chart = documented;
    const TBuzai& r = c.record;
    DrawLoadDiagram(r, loadCase, c.water.top, chart);
    const double halfB = r.B / 2.0;
    if (c.kind == CaseKind::Groundwater) {
        chart.title = "作用荷重図(外水ケース)";
        DrawWaterLevel(chart, -halfB - 4, halfB + 4, *water.hw,
                       FormatLine("▽hw=0.00m"_pattern, *water.hw));
    } else {
        chart.title = "作用荷重図(内水ケース)";
        const double halfBu = r.Bu / 2.0;
        DrawWaterLevel(chart, -halfBu, halfBu, static_cast<double>(r.h1) + r.Tu, "▽満水");
    }
}

void DrawMomentEnvelope(CaseForces cases, Chart& chart) {
    const TBuzai& first = *cases.front();
    const double halfB = first.Bo / 2.0, halfH = first.Ho / 2.0;
    const auto members = DiagramMembers(halfB, halfH);
    chart.title = "曲げﾓｰﾒﾝﾄ図(包絡)";
    DrawFrameOutline(first, chart, "Series30", 1);
    StyleLineSeries(chart, "Series31", colours::red, 1);  // both made before either is held
    StyleLineSeries(chart, "Series32", colours::blue, 1);
    Series& largest = StyleLineSeries(chart, "Series31", colours::red, 1);
    Series& smallest = StyleLineSeries(chart, "Series32", colours::blue, 1);
    for (Series* line : {&largest, &smallest}) {
        KeepInsertionOrder(*line);
        line->markOffset = kMarkAbove;
        line->Add(members[0].startX, members[0].startY, " ");
    }
    double reach = 0;  // the farthest a line is drawn from its member, m
    for (std::size_t k = 0; k < members.size(); ++k) {
        const DiagramMember& m = members[k];
        for (int i = 0; i <= kDiagramSamples; ++i) {
            const Single x = SamplePosition(MemberOf(first, m.id), i);
            double high = -HUGE_VAL, low = HUGE_VAL;
            for (const TBuzai* c : cases) {
                const double moment = static_cast<double>(MomentAt(MemberOf(*c, m.id), x));
                high = std::max(high, moment);
                low = std::min(low, moment);
            }
            largest.Add(m.X(x, high / kDiagramScale), m.Y(x, high / kDiagramScale),
                        EndLabel(i, Single(high), "0.00kNm"_pattern));
            smallest.Add(m.X(x, low / kDiagramScale), m.Y(x, low / kDiagramScale),
                         EndLabel(i, Single(low), "0.00kNm"_pattern));
            reach = std::max({reach, std::fabs(high), std::fabs(low)});
        }
        const DiagramMember& next = members[(k + 1) % members.size()];
        largest.Add(next.startX, next.startY, " ");
        smallest.Add(next.startX, next.startY, " ");
    }
    const double margin = reach / kDiagramScale + 0.5;
    SetChartRange(chart, -halfB - margin, halfB + margin, -halfH - margin, halfH + margin);
}
