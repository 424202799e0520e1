// Force diagrams in the plane of the frame: origin at the centre of the axes rectangle, A
// bottom left, B top left, C top right, D bottom right, in m. A value v is drawn at v/50 m
// from the member axis; positive moments towards the inside, positive shears towards the
// outside.
#include "calc/frame/force_diagrams.h"

#include <utility>

#include "calc/frame/member_model.h"
#include "calc/frame/series_style.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr int kSamples = 10;  // intervals along a member; 11 sample points
constexpr double kScale = 50;
constexpr int kLineWidth = 1;

// Sample positions from the start joint.
float SamplePosition(const FrameMember& member, int i) {
    return static_cast<float>(member.length / kSamples * i);
}

// The frame outline A, B, C, D, A from the axes polygon.
void DrawOutline(const TKakou& r, Chart& chart, const std::string& name) {
    Series& outline = StyleLineSeries(chart, name, colours::black, kLineWidth);
    KeepInsertionOrder(outline);
    const char* const names[] = {"A", "B", "C", "D", "A"};
    for (int p = 1; p <= r.boxAxes.n + 1 && p <= 5; ++p)
        outline.Add(r.boxAxes.X[p], r.boxAxes.Y[p], names[p - 1], colours::black);
}

// Maps a position along a member and an offset from its axis to the plane of the frame.
struct Placement {
    double originX, originY;  // the start joint
    double alongX, alongY;    // unit vector along the member
    double offsetX, offsetY;  // unit vector of a positive drawn value
    double X(double x, double value) const { return originX + alongX * x + offsetX * value; }
    double Y(double x, double value) const { return originY + alongY * x + offsetY * value; }
};

struct MomentMember {
    MemberId id;
    Placement place;
    bool maximumFirst;  // the walls are drawn upwards, CD against its x
};

void DrawMomentMember(const TKakou& r, const MomentMember& m, const MemberForces& f,
                      Series& series) {
    const FrameMember member = MemberOf(r, m.id);
    const long double L = member.length;
    const bool wall = m.id == MemberId::AB || m.id == MemberId::CD;
    const double maxX = f.XMax, maxValue = f.MMax / kScale;
    const std::string maxLabel = FormatLine("0.00kNm", f.MMax);
    for (int i = 0; i <= kSamples; ++i) {
        const float x = SamplePosition(member, i);
        const long double moment = MomentAt(member, x);
        // The test runs along the drawing direction: from A up on AB, from D up on CD.
        bool hasMaximum;
        if (m.id == MemberId::CD) {
            const long double u = L - x, maxU = L - f.XMax;
            hasMaximum = u < maxU && maxU <= u + L / kSamples;
        } else {
            hasMaximum = (wall ? x < f.XMax : x <= f.XMax) && f.XMax <= x + L / kSamples;
        }
        const double px = m.place.X(x, static_cast<double>(moment) / kScale);
        const double py = m.place.Y(x, static_cast<double>(moment) / kScale);
        if (!hasMaximum) {
            series.Add(px, py, EndLabel(i, static_cast<float>(moment), "0.00kNm"));
            continue;
        }
        const double mx = m.place.X(maxX, maxValue), my = m.place.Y(maxX, maxValue);
        if (m.maximumFirst) {
            series.Add(mx, my, maxLabel);
            series.Add(px, py, " ");
        } else {
            series.Add(px, py, " ");
            series.Add(mx, my, maxLabel);
        }
    }
}

void DrawShearMember(const TKakou& r, MemberId id, const Placement& place, Series& series) {
    const FrameMember member = MemberOf(r, id);
    for (int i = 0; i <= kSamples; ++i) {
        const float x = SamplePosition(member, i);
        const long double shear = ShearAt(member, x);
        const double value = static_cast<double>(shear) / kScale;
        series.Add(place.X(x, value), place.Y(x, value),
                   EndLabel(i, static_cast<float>(shear), "0.00kN"));
    }
}

}  // namespace

std::string EndLabel(int i, float value, const std::string& pattern) {
    return i == 0 || i == kSamples ? FormatLine(pattern, value) : " ";
}

void DrawForceDiagrams(const TKakou& r, CalcTable& table) {
    const double halfB = r.Bo / 2.0, halfH = r.Ho / 2.0;

    Chart& moments = table.ChartOf("Chart9");
    SetChartRange(moments, -halfB + r.Mab / kScale - 0.5, halfB - r.Mab / kScale + 0.5,
                  -halfH + r.Mab / kScale - 0.5, halfH + r.Mba / kScale + 0.5);
    DrawOutline(r, moments, "Series30");
    Series& momentLine = StyleLineSeries(moments, "Series31", colours::red, kLineWidth);
    KeepInsertionOrder(momentLine);
    // Positive moments are drawn towards the inside of the frame.
    const MomentMember momentMembers[] = {
        {MemberId::AB, {-halfB, -halfH, 0, 1, 1, 0}, false},
        {MemberId::BC, {-halfB, halfH, 1, 0, 0, -1}, false},
        {MemberId::CD, {halfB, halfH, 0, -1, -1, 0}, true},
        {MemberId::DA, {halfB, -halfH, -1, 0, 0, 1}, false},
    };
    const MemberForces* forces[] = {&r.forcesAB, &r.forcesBC, &r.forcesCD, &r.forcesDA};
    const double corners[][2] = {
        {-halfB, -halfH}, {-halfB, halfH}, {halfB, halfH}, {halfB, -halfH}, {-halfB, -halfH}};
    momentLine.Add(corners[0][0], corners[0][1], " ");
    for (int k = 0; k < 4; ++k) {
        DrawMomentMember(r, momentMembers[k], *forces[k], momentLine);
        momentLine.Add(corners[k + 1][0], corners[k + 1][1], " ");
    }

    Chart& shears = table.ChartOf("Chart10");
    const float Sab = r.forcesAB.SStart, Sbc = r.forcesBC.SStart, Sda = r.forcesDA.SStart;
    SetChartRange(shears, -halfB - Sab / kScale - 0.5, halfB + Sab / kScale + 0.5,
                  -halfH - Sda / kScale - 0.5, halfH + Sbc / kScale + 0.5);
    DrawOutline(r, shears, "Series34");
    Series& shearLine = StyleLineSeries(shears, "Series35", colours::blue, kLineWidth);
    KeepInsertionOrder(shearLine);
    // Positive shears are drawn towards the outside of the frame.
    const std::pair<MemberId, Placement> shearMembers[] = {
        {MemberId::AB, {-halfB, -halfH, 0, 1, -1, 0}},
        {MemberId::BC, {-halfB, halfH, 1, 0, 0, 1}},
        {MemberId::CD, {halfB, halfH, 0, -1, 1, 0}},
        {MemberId::DA, {halfB, -halfH, -1, 0, 0, -1}},
    };
    shearLine.Add(corners[0][0], corners[0][1], " ");
    for (int k = 0; k < 4; ++k) {
        DrawShearMember(r, shearMembers[k].first, shearMembers[k].second, shearLine);
        shearLine.Add(corners[k + 1][0], corners[k + 1][1], " ");
    }
}
