// The acting-load diagram (Chart1): the box in its cover with every load drawn on the member
// axes at 50 kN/m2 to the metre.
#include "calc/loads/load_diagram.h"

#include <algorithm>

#include "calc/sheet/format_line.h"

namespace {

using Real = long double;

// A drawn offset of a pressure, m.
Real Scaled(Real pressure) {
    return pressure / 50;
}

struct Look {
    const char* title = "";
    SeriesKind kind = SeriesKind::Line;
    Colour colour = colours::black;
    int lineWidth = 1;
    PenStyle pen = PenStyle::Solid;
    bool marks = false;
    bool unsorted = false;  // keep the points in the order added
};

// Every series of the chart in its drawing order, with its look.
struct NamedLook {
    const char* name;
    Look look;
};

const NamedLook kSeries[] = {
    {"Series14", {"Box", SeriesKind::Line, colours::black, 2, PenStyle::Solid, false, true}},
    {"Series13", {"Box", SeriesKind::Line, colours::black, 2, PenStyle::Solid, false, true}},
    {"Series1", {"", SeriesKind::Line, colours::black, 1, PenStyle::Dot, true, true}},
    {"Series2", {"PvL1", SeriesKind::Line, colours::black, 1, PenStyle::Solid, true, true}},
    {"Series7", {"PvL2", SeriesKind::Line, colours::black, 1, PenStyle::Solid, true, true}},
    {"Series3", {"Pvd", SeriesKind::Line, colours::green, 1, PenStyle::Solid, true, false}},
    {"Series4", {"Phd(L)", SeriesKind::Line, colours::maroon, 1, PenStyle::Solid, true, true}},
    {"Series5", {"Phd(R)", SeriesKind::Line, colours::maroon, 1, PenStyle::Solid, true, true}},
    {"Series6", {"Pv", SeriesKind::Line, colours::blue, 1, PenStyle::Solid, true, false}},
    {"Series12", {"地盤", SeriesKind::Line, colours::maroon, 2, PenStyle::Solid, false, false}},
    {"Series38", {"", SeriesKind::Arrow, colours::red, 1, PenStyle::Solid, true, false}},
    {"Series39", {"", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, false}},
    {"Series62", {"", SeriesKind::Arrow, colours::red, 1, PenStyle::Solid, true, false}},
    {"Series63", {"", SeriesKind::Line, colours::red, 1, PenStyle::Solid, false, false}},
    {"Series8", {"等分布荷重1", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, false}},
    {"Series9", {"等分布荷重2", SeriesKind::Line, colours::red, 1, PenStyle::Solid, true, false}},
};

void Prepare(Chart& chart) {
    for (const NamedLook& entry : kSeries) {
        Series& series = chart.Get(entry.name);
        const Look& look = entry.look;
        series.title = look.title;
        series.kind = look.kind;
        series.colour = look.colour;
        series.lineWidth = look.lineWidth;
        series.penStyle = look.pen;
        series.marksVisible = look.marks;
        series.sortX = true;
        if (look.unsorted) KeepInsertionOrder(series);
    }
    ClearChart(chart);
}

void AddPolygon(Series& series, const BoxPolygon& polygon, const char* const* labels) {
    for (int k = 1; k <= polygon.n + 1; ++k)
        series.Add(polygon.X[k], polygon.Y[k], labels ? labels[k - 1] : " ");
}

// The wheel loads on the top slab (load cases 1 and 2), over the load line y0.
void DrawWheelBlocks(const TKazyu& r, int loadCase, Real y0, Chart& chart) {
    const Real halfBo = Real{r.Bo} / 2;
    const Real w = loadCase == 1 ? Real{r.W1} / 2 : std::min(Real{r.W1} / 2, halfBo);
    const Real y1 = y0 + Scaled(r.PvL1);
    Series& rear = chart.Get("Series2");
    rear.Add(-halfBo, y0, " ", colours::black);
    rear.Add(-w, y0, " ", colours::black);
    rear.Add(-w, y1, FormatLine("PvL1=0.00kN/m2"_pattern, r.PvL1), colours::black);
    rear.Add(w, y1, " ", colours::black);
    rear.Add(w, y0, " ", colours::black);
    rear.Add(halfBo, y0, " ", colours::black);

    if (r.L1 <= 0) return;
    const Real xf = loadCase == 1 ? Real{r.axleDistance} : halfBo;
    const Real y2 = y1 + Scaled(r.PvL2);
    const Real inner = halfBo - r.L1;
    Series& front = chart.Get("Series7");
    front.Add(xf, y2, " ", colours::black);
    front.Add(xf, y1, " ", colours::black);
    front.Add(inner, y1, " ", colours::black);
    front.Add(inner, y2, " ", colours::black);
    front.Add(xf, y2, FormatLine("PvL2=0.00kN/m2"_pattern, r.PvL2), colours::black);
}

void DrawPressures(const TKazyu& r, Real y0, Chart& chart) {
    const Real halfBo = Real{r.Bo} / 2;
    const Real top = -Real{r.h1d}, bottom = -Real{r.h2d};

    Series& slab = chart.Get("Series3");
    const std::string pv1 = FormatLine("Pv1=0.00kN/m2"_pattern, r.Pv1);
    slab.Add(-halfBo, top);
    slab.Add(-halfBo, y0, pv1);
    slab.Add(halfBo, y0, pv1);
    slab.Add(halfBo, top);

    // Both walls name the bottom value Ph2 and the top value Ph1.
    Series& left = chart.Get("Series4");
    left.Add(-halfBo, bottom);
    left.Add(-halfBo - Scaled(r.Ph4), bottom, FormatLine("Ph2=0.00kN/m2"_pattern, r.Ph4));
    left.Add(-halfBo - Scaled(r.Ph3), top, FormatLine("Ph1=0.00kN/m2"_pattern, r.Ph3));
    left.Add(-halfBo, top);

    Series& right = chart.Get("Series5");
    right.Add(halfBo, bottom);
    right.Add(halfBo + Scaled(r.Ph2), bottom, FormatLine("Ph2=0.00kN/m2"_pattern, r.Ph2));
    right.Add(halfBo + Scaled(r.Ph1), top, FormatLine("Ph1=0.00kN/m2"_pattern, r.Ph1));
    right.Add(halfBo, top);

    Series& reaction = chart.Get("Series6");
    reaction.Add(-halfBo, bottom);
    reaction.Add(-halfBo, bottom - Scaled(r.Pv2L), FormatLine("Pv2=0.00kN/m2"_pattern, r.Pv2L));
    reaction.Add(halfBo, bottom - Scaled(r.Pv2R), FormatLine("Pv2=0.00kN/m2"_pattern, r.Pv2R));
    reaction.Add(halfBo, bottom);
}

// A wheel at the road surface: its load arrow and its spread to the width W1 at the
// top-slab axis from a 0.2 m contact.
void DrawWheel(const TKazyu& r, Real x, const std::string& label, Series& arrow, Series& spread) {
    arrow.AddArrow(x, 0.4, x, 0, label, arrow.colour);
    const Real half = Real{r.W1} / 2;
    spread.Add(x - half, -Real{r.h1d});
    spread.Add(x - 0.1L, 0);
    spread.Add(x + 0.1L, 0);
    spread.Add(x + half, -Real{r.h1d});
}

void DrawUniformLoad(const TKazyu& r, int loadCase, Chart& chart) {
    const Real halfB = Real{r.B} / 2, halfBo = Real{r.Bo} / 2;
    Series& first = chart.Get("Series8");
    if (loadCase == 3) {
        // Beside the box only.
        const std::string label = "10.00kN/m2";
        first.Add(-halfB - 4, 0.2);
        first.Add(-halfBo, 0.2, label);
        first.Add(-halfBo, 0);
        Series& second = chart.Get("Series9");
        second.Add(halfBo, 0);
        second.Add(halfBo, 0.2, label);
        second.Add(halfB + 4, 0.2);
    } else if (loadCase == 4) {
        first.Add(-halfBo - 4, 0.2, "10.00kN/m2");
        first.Add(halfBo + 4, 0.2, "10.00kN/m2");
    } else if (loadCase == 5 && r.qApplied > 0) {
        const std::string label = FormatLine("0.00kN/m2"_pattern, r.qApplied);
        first.Add(-halfB - 4, Scaled(r.qApplied), label);
        first.Add(halfB + 4, Scaled(r.qApplied), label);
    }
}

}  // namespace

void DrawLoadDiagram(const TKakou& record, int loadCase, CalcTable& table) {
    DrawLoadDiagram(record, loadCase, 0, table.ChartOf("Chart1"));
}

void DrawLoadDiagram(const TKazyu& r, int loadCase, double topWater, Chart& chart) {
    Prepare(chart);

    const bool liveLoad = loadCase == 1 || loadCase == 2;
    const Real halfB = Real{r.B} / 2;
    const Real deepest = Real{r.h2d} + Scaled(std::max(r.Pv2L, r.Pv2R)) + 0.5L;
    if (liveLoad)
        SetChartRange(chart, -halfB - 2, halfB + 6, -deepest, 1.0);
    else
        SetChartRange(chart, -halfB - 4, halfB + 4, -deepest, 1.0);

    AddPolygon(chart.Get("Series14"), r.roadOutline, nullptr);
    static const char* const kJoints[] = {"A", "B", "C", "D", "A"};
    AddPolygon(chart.Get("Series1"), r.roadAxes, r.roadAxes.n == 4 ? kJoints : nullptr);
    AddPolygon(chart.Get("Series13"), r.roadOpening, nullptr);

    // The top-slab load line, without the uniform load.
    const Real y0 =
        Scaled(topWater != 0 ? Real{r.D1} / r.Bo + r.Pvd + topWater : Real{r.D1} / r.Bo + r.Pvd) -
        r.h1d;
    if (liveLoad) DrawWheelBlocks(r, loadCase, y0, chart);
    DrawPressures(r, y0, chart);

    Series& road = chart.Get("Series12");
    road.Add(-halfB - 4, 0);
    road.Add(halfB + 6 + Real{r.W1} / 2, 0);

    if (liveLoad) {
        DrawWheel(r, 0, FormatLine("PL1=0.00kN"_pattern, r.P1), chart.Get("Series38"),
                  chart.Get("Series39"));
        DrawWheel(r, r.axleDistance, FormatLine("PL2=0.00kN"_pattern, 0.25L * r.P1),
                  chart.Get("Series62"), chart.Get("Series63"));
    }
    DrawUniformLoad(r, loadCase, chart);
}
