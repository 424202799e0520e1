// Force diagrams in the plane of the frame: positive moments towards the inside, positive
// shears towards the outside.
#include "calc/frame/force_diagrams.h"

#include <array>
#include <cstddef>

#include "calc/frame/diagram_members.h"
#include "calc/frame/member_model.h"
#include "calc/frame/series_style.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr int kSamples = kDiagramSamples;
constexpr double kScale = kDiagramScale;
constexpr int kLineWidth = 1;

// Each maximum point stands between the two samples that enclose it, along the drawing
// direction: up from A on AB, up from D on CD, from the start joint on the slabs.
bool MaximumFollows(const DiagramMember& m, long double length, Single x, Single maxX) {
    const long double interval = length / kSamples;
    switch (m.id) {
        case MemberId::AB:
            return x < maxX && maxX <= x + interval;
        case MemberId::CD: {
            const long double u = length - x, maxU = length - maxX;
            return u < maxU && maxU <= u + interval;
        }
        default:
            return x <= maxX && maxX <= x + interval;
    }
}

// Positive moments are drawn towards the inside of the frame.
void DrawMoments(const TKakou& r, const DiagramMember& m, const MemberForces& f, Series& series) {
    const FrameMember member = MemberOf(r, m.id);
    const double maxX = m.X(f.XMax, f.MMax / kScale), maxY = m.Y(f.XMax, f.MMax / kScale);
    const std::string maxLabel = FormatLine("0.00kNm"_pattern, f.MMax);
    for (int i = 0; i <= kSamples; ++i) {
        const Single x = SamplePosition(member, i);
        const long double moment = MomentAt(member, x);
        const double px = m.X(x, static_cast<double>(moment) / kScale);
        const double py = m.Y(x, static_cast<double>(moment) / kScale);
        if (!MaximumFollows(m, member.length, x, f.XMax)) {
            series.Add(px, py, EndLabel(i, Single(moment), "0.00kNm"_pattern));
        } else if (m.id == MemberId::CD) {  // drawn against its x
            series.Add(maxX, maxY, maxLabel);
            series.Add(px, py, " ");
        } else {
            series.Add(px, py, " ");
            series.Add(maxX, maxY, maxLabel);
        }
    }
}

// Positive shears are drawn towards the outside of the frame.
void DrawShears(const TKakou& r, const DiagramMember& m, Series& series) {
    const FrameMember member = MemberOf(r, m.id);
    for (int i = 0; i <= kSamples; ++i) {
        const Single x = SamplePosition(member, i);
        const long double shear = ShearAt(member, x);
        const double outward = static_cast<double>(shear) / kScale;
        series.Add(m.X(x, -outward), m.Y(x, -outward),
                   EndLabel(i, Single(shear), "0.00kN"_pattern));
    }
}

const MemberForces& ForcesOf(const TKakou& r, MemberId id) {
    switch (id) {
        case MemberId::AB:
            return r.forcesAB;
        case MemberId::CD:
            return r.forcesCD;
        case MemberId::BC:
            return r.forcesBC;
        default:
            return r.forcesDA;
    }
}

}  // namespace

std::string EndLabel(int i, Single value, const Pattern& pattern) {
    return i == 0 || i == kSamples ? FormatLine(pattern, value) : " ";
}

void DrawForceDiagrams(const TKakou& r, CalcTable& table) {
    const double halfB = r.Bo / 2.0, halfH = r.Ho / 2.0;
    const auto members = DiagramMembers(halfB, halfH);
    // Each member's polyline runs from its start corner to the next member's start corner.
    auto corner = [&](size_t k) { return members[k % members.size()]; };

    Chart& moments = table.ChartOf("Chart9");
    SetChartRange(moments, -halfB + r.Mab / kScale - 0.5, halfB - r.Mab / kScale + 0.5,
                  -halfH + r.Mab / kScale - 0.5, halfH + r.Mba / kScale + 0.5);
    DrawFrameOutline(r, moments, "Series30", kLineWidth);
    Series& momentLine = StyleLineSeries(moments, "Series31", colours::red, kLineWidth);
    KeepInsertionOrder(momentLine);
    momentLine.points.reserve(1 + members.size() * (kSamples + 2));  // corners and samples
    momentLine.Add(corner(0).startX, corner(0).startY, " ");
    for (size_t k = 0; k < members.size(); ++k) {
        DrawMoments(r, members[k], ForcesOf(r, members[k].id), momentLine);
        momentLine.Add(corner(k + 1).startX, corner(k + 1).startY, " ");
    }

    Chart& shears = table.ChartOf("Chart10");
    const Single Sab = r.forcesAB.SStart, Sbc = r.forcesBC.SStart, Sda = r.forcesDA.SStart;
    SetChartRange(shears, -halfB - Sab / kScale - 0.5, halfB + Sab / kScale + 0.5,
                  -halfH - Sda / kScale - 0.5, halfH + Sbc / kScale + 0.5);
    DrawFrameOutline(r, shears, "Series34", kLineWidth);
    Series& shearLine = StyleLineSeries(shears, "Series35", colours::blue, kLineWidth);
    KeepInsertionOrder(shearLine);
    shearLine.points.reserve(1 + members.size() * (kSamples + 2));  // corners and samples
    shearLine.Add(corner(0).startX, corner(0).startY, " ");
    for (size_t k = 0; k < members.size(); ++k) {
        DrawShears(r, members[k], shearLine);
        shearLine.Add(corner(k + 1).startX, corner(k + 1).startY, " ");
    }
}
