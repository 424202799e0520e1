// Geometry of the force diagrams.
#include "calc/frame/diagram_members.h"

#include "calc/frame/series_style.h"

Single SamplePosition(const FrameMember& member, int i) {
    return Single(member.length / kDiagramSamples * i);
}

std::array<DiagramMember, 4> DiagramMembers(double halfB, double halfH) {
    return {{{MemberId::AB, -halfB, -halfH, 0, 1, 1, 0},
             {MemberId::BC, -halfB, halfH, 1, 0, 0, -1},
             {MemberId::CD, halfB, halfH, 0, -1, -1, 0},
             {MemberId::DA, halfB, -halfH, -1, 0, 0, 1}}};
}

void DrawFrameOutline(const TData& r, Chart& chart, const std::string& name, int lineWidth) {
    Series& outline = StyleLineSeries(chart, name, colours::black, lineWidth);
    KeepInsertionOrder(outline);
    const char* const names[] = {"A", "B", "C", "D", "A"};
    for (int p = 1; p <= r.boxAxes.n + 1 && p <= 5; ++p)
        outline.Add(r.boxAxes.X[p], r.boxAxes.Y[p], names[p - 1], colours::black);
}
