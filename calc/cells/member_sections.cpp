// Section forces along a member by integrating its loads from the `from` joint: the shear
// is piecewise quadratic and the moment piecewise cubic between load discontinuities.
#include "calc/cells/member_sections.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The loads of one member, gathered once for the many sections of an extreme search.
struct LoadsOn {
    std::array<MemberLoad, kMaxMemberLoads> loads{};
    int count = 0;
};

LoadsOn LoadsOfMember(const FrameLoads& all, int member) {
    LoadsOn on;
    for (const MemberLoad& load : all.All())
        if (load.member == member) on.loads[std::size_t(on.count++)] = load;
    return on;
}

SectionForces Section(const LoadsOn& on, const FrameResponse& response, int member, double x) {
    const std::size_t m = std::size_t(member);
    double S = response.startShear[m];
    double M = response.endMoments[m].from + S * x;
    for (int i = 0; i < on.count; ++i) {
        const MemberLoad& load = on.loads[std::size_t(i)];
        if (!(x > load.a)) continue;
        if (load.point) {
            S += load.P;
            M += load.P * (x - load.a);
        } else if (load.b > load.a) {
            const double length = load.b - load.a;
            if (x < load.b) {
                const double u = x - load.a, slope = (load.qb - load.qa) / length;
                S += load.qa * u + slope * u * u / 2;
                M += load.qa * u * u / 2 + slope * u * u * u / 6;
            } else {
                // The resultant, and its moment about the start of the load.
                const double resultant = (load.qa + load.qb) * length / 2;
                const double aboutStart = length * length * (load.qa + 2 * load.qb) / 6;
                S += resultant;
                M += resultant * (x - load.a) - aboutStart;
            }
        }
    }
    return {M, response.axial[m], S};
}

void Consider(MomentExtremes& e, double x, double M) {
    if (M > e.largest.M) e.largest = {x, M};
    if (M < e.smallest.M) e.smallest = {x, M};
}

// Roots u in (0, h) of k/2·u² + q·u + s, the shear within one piece.
int ShearRoots(double k, double q, double s, double h, double roots[2]) {
    int count = 0;
    auto keep = [&](double u) {
        if (u > 0 && u < h) roots[count++] = u;
    };
    if (k == 0) {
        if (q != 0) keep(-s / q);
        return count;
    }
    const double discriminant = q * q - 2 * k * s;
    if (discriminant < 0) return 0;
    const double t = -(q + std::copysign(std::sqrt(discriminant), q)) / 2;
    if (t == 0) return 0;  // q = s = 0: the shear vanishes only at the start
    keep(t / (k / 2));
    keep(s / t);
    if (count == 2 && roots[0] > roots[1]) std::swap(roots[0], roots[1]);
    return count;
}

}  // namespace

double MemberLength(const FrameGeometry& geometry, int member) {
    const FrameBar& bar = geometry.members[std::size_t(member)];
    const FrameJoint& p = geometry.joints[std::size_t(bar.from)];
    const FrameJoint& q = geometry.joints[std::size_t(bar.to)];
    return std::hypot(q.x - p.x, q.y - p.y);
}

SectionForces SectionAt(const FrameGeometry&, const FrameLoads& loads,
                        const FrameResponse& response, int member, double x) {
    return Section(LoadsOfMember(loads, member), response, member, x);
}

MomentExtremes MemberMomentExtremes(const FrameGeometry& geometry, const FrameLoads& loads,
                                    const FrameResponse& response, int member) {
    const double L = MemberLength(geometry, member);
    const LoadsOn on = LoadsOfMember(loads, member);
    std::array<double, 2 * kMaxMemberLoads + 2> breaks{};
    int count = 0;
    breaks[std::size_t(count++)] = 0;
    breaks[std::size_t(count++)] = L;
    for (int i = 0; i < on.count; ++i) {
        const MemberLoad& load = on.loads[std::size_t(i)];
        for (double x : {load.a, load.point ? load.a : load.b})
            if (x > 0 && x < L) breaks[std::size_t(count++)] = x;
    }
    std::sort(breaks.begin(), breaks.begin() + count);
    count = int(std::unique(breaks.begin(), breaks.begin() + count) - breaks.begin());

    const double start = response.endMoments[std::size_t(member)].from;
    MomentExtremes e{{0, start}, {0, start}};
    for (int p = 0; p + 1 < count; ++p) {
        const double x0 = breaks[std::size_t(p)], x1 = breaks[std::size_t(p + 1)];
        // The load within the piece, q + k·u, from the line loads covering it.
        double q = 0, k = 0;
        for (int i = 0; i < on.count; ++i) {
            const MemberLoad& load = on.loads[std::size_t(i)];
            if (load.point || !(load.b > load.a) || load.a > x0 || load.b < x1) continue;
            const double slope = (load.qb - load.qa) / (load.b - load.a);
            q += load.qa + slope * (x0 - load.a);
            k += slope;
        }
        // The shear just after x0, from the shear at the middle of the piece.
        const double half = (x1 - x0) / 2;
        const double s =
            Section(on, response, member, x0 + half).S - q * half - k * half * half / 2;
        double roots[2];
        const int found = ShearRoots(k, q, s, x1 - x0, roots);
        for (int r = 0; r < found; ++r)
            Consider(e, x0 + roots[r], Section(on, response, member, x0 + roots[r]).M);
        Consider(e, x1, Section(on, response, member, x1).M);
    }
    return e;
}
