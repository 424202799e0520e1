// Loads of the frame of a box of equal cells, one wheel position at a time.
#include "calc/cells/cell_loads.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/read_conditions.h"

namespace {

constexpr double kStep = 0.1;  // m between wheel positions at most

// The band of one wheel: from..to in x, its intensity, and whether it is the rear wheel.
struct Band {
    double from = 0, to = 0, q = 0;
};

// The load acting downwards on the top spans and its moment about the left bottom joint
// (clockwise positive), and the same for the walls' horizontal pressures, gathered while the
// loads are made so that the ground reaction balances exactly what the frame carries.
struct Totals {
    double vertical = 0, moment = 0;
};

void AddBand(const CellBox& box, const Band& band, FrameLoads& loads, Totals& totals) {
    for (int span = 0; span < box.cells; ++span) {
        const double lo = std::max(band.from, box.axis[span]);
        const double hi = std::min(band.to, box.axis[span + 1]);
        if (!(hi > lo)) continue;
        // Downwards is to the right walking left to right along a top span.
        loads.Add({box.TopSpan(span), lo - box.axis[span], hi - box.axis[span], -band.q, -band.q});
        totals.vertical += band.q * (hi - lo);
        totals.moment += band.q * (hi - lo) * (lo + hi) / 2;
    }
}

// An outer wall under a pressure from `bottom` at the bottom slab axis to `top` at the top
// slab axis, inwards.
void AddWall(const CellBox& box, int wall, double top, double bottom, FrameLoads& loads,
             Totals& totals) {
    // Inwards is to the right walking along either outer wall (up the left, down the right).
    const double Ho = box.Ho;
    if (wall == 0)
        loads.Add({box.LeftWall(), 0, Ho, -bottom, -top});
    else
        loads.Add({box.RightWall(), 0, Ho, -top, -bottom});
    const double moment = Ho * Ho * (bottom + 2 * top) / 6;  // resultant times its height
    totals.moment += wall == 0 ? moment : -moment;
}

// Whether a band reaches over a wall axis. An edge on the axis does not, also where the
// position that put it there was rounded (a nanometre off), on either side of the box alike.
bool Over(const Band& band, double x) {
    constexpr double kOnTheAxis = 1e-9;
    return band.from < x - kOnTheAxis && x + kOnTheAxis < band.to;
}

void AddGrid(double from, double to, std::vector<double>& xs) {
    const int steps = std::max(1, int(std::ceil((to - from) / kStep - 1e-9)));
    for (int k = 0; k <= steps; ++k) xs.push_back(from + (to - from) * k / steps);
}

}  // namespace

CellCaseLoads CellCaseLoadsOf(const TKazyu& r, const CellBox& box, int loadCase,
                              const WaterPressures& water) {
    using Real = long double;
    CellCaseLoads c;
    const int haunches = box.cells;  // two haunches of Hab·Hah/2 under the top of each cell
    c.D1 = r.gammaC * (Real{r.B} * r.Tu + haunches * Real{r.Hab} * r.Hah);
    c.surcharge = loadCase == 4 ? 10.0 : loadCase == 5 ? r.q : 0.0;
    c.top = double(Real{r.Pvd} + water.top + c.surcharge + Real{c.D1} / box.span);
    const bool uniform = loadCase >= 3;
    const double wallTop = water.wallTop - water.innerTop;
    const double wallBottom = water.wallBottom - water.innerBottom;
    c.wallTop = (uniform ? double(r.Phd1q) : double(r.Phd1)) + wallTop;
    c.wallBottom = (uniform ? double(r.Phd2q) : double(r.Phd2)) + wallBottom;
    for (int wall = 0; wall < box.Walls(); ++wall) {
        const bool outer = wall == 0 || wall == box.cells;
        c.wallWeight[wall] = r.gammaC * Real{r.Hu} * (outer ? box.TL : box.Tm);
    }
    if (!uniform) {
        c.wheels = true;
        c.horizontalLive = loadCase == 1;
        c.W1 = r.W1;
        // β from the inner width of one cell.
        const Real beta = LiveLoadReduction(r.h1, box.Bu);
        c.PvL1 = double(Real{r.PL1} * beta / r.W1);
        c.PvL2 = double(Real{r.PL1} * 0.25L * beta / r.W1);
        c.Ko = r.Ko;
        c.axleDistance = r.axleDistance;
    }
    return c;
}

double HorizontalResultant(const CellBox& box, const FrameLoads& loads) {
    double H = 0;
    for (const MemberLoad& load : loads.All()) {
        // Positive loads act outwards on either outer wall: to the left on the left one.
        const double force = (load.qa + load.qb) * (load.b - load.a) / 2;
        if (load.member == box.LeftWall()) H -= force;
        if (load.member == box.RightWall()) H += force;
    }
    return H;
}

std::vector<WheelPosition> WheelPositions(const CellBox& box, const CellCaseLoads& loads) {
    if (!loads.wheels) return {WheelPosition{}};
    const double half = loads.W1 / 2, a = loads.axleDistance, S = box.span;
    const double first = -half, last = S + half;
    std::vector<WheelPosition> positions;
    for (const int front : {+1, -1}) {
        // The stretches of the rear band's centre that put an edge of either band on the top,
        // where the loads change with the position. Between them the bands cover the top, or
        // miss it, alike: one position stands for each such gap.
        std::vector<std::pair<double, double>> stretches;
        for (const double shift : {0.0, front * a})  // the band's centre from the rear's
            for (const double edge : {-half, +half}) {
                const double lo = std::max(first, -shift - edge);
                const double hi = std::min(last, S - shift - edge);
                if (lo <= hi) stretches.push_back({lo, hi});
            }
        std::sort(stretches.begin(), stretches.end());
        std::vector<double> xs;
        double reached = first;
        for (const auto& [lo, hi] : stretches) {
            if (lo > reached) xs.push_back((reached + lo) / 2);
            AddGrid(lo, hi, xs);
            reached = std::max(reached, hi);
        }
        if (last > reached) xs.push_back((reached + last) / 2);
        for (int wall = 0; wall < box.Walls(); ++wall)
            for (const double edge : {-half, +half}) {
                xs.push_back(box.axis[wall] + edge);              // a rear band edge
                xs.push_back(box.axis[wall] + edge - front * a);  // a front band edge
            }
        std::sort(xs.begin(), xs.end());
        double previous = -1e300;
        for (const double x : xs) {
            if (x < first - 1e-9 || x > last + 1e-9 || x - previous < 1e-9) continue;
            positions.push_back({x, front});
            previous = x;
        }
    }
    return positions;
}

FrameLoads SubCaseLoads(const CellBox& box, const CellCaseLoads& c, WheelPosition position) {
    FrameLoads loads;
    Totals totals;
    AddBand(box, {0, box.span, c.top}, loads, totals);
    double horizontal[2] = {0, 0};  // on the left and on the right outer wall
    if (position.front != 0) {
        const double half = c.W1 / 2;
        const double frontCentre = position.rear + position.front * c.axleDistance;
        const Band bands[] = {{position.rear - half, position.rear + half, c.PvL1},
                              {frontCentre - half, frontCentre + half, c.PvL2}};
        for (const Band& band : bands) {
            AddBand(box, band, loads, totals);
            if (!c.horizontalLive) continue;
            if (Over(band, 0)) horizontal[0] += c.Ko * band.q;
            if (Over(band, box.span)) horizontal[1] += c.Ko * band.q;
        }
    }
    AddWall(box, 0, c.wallTop + horizontal[0], c.wallBottom + horizontal[0], loads, totals);
    AddWall(box, box.cells, c.wallTop + horizontal[1], c.wallBottom + horizontal[1], loads, totals);

    // Each wall's weight at its bottom joint, as a point load at the end of a bottom span
    // (downwards is to the left walking right to left).
    for (int wall = 0; wall < box.Walls(); ++wall) {
        const double weight = c.wallWeight[wall];
        loads.Add(wall == 0
                      ? MemberLoad{box.BottomSpan(0), box.SpanLength(0), 0, 0, 0, true, weight}
                      : MemberLoad{box.BottomSpan(wall - 1), 0, 0, 0, 0, true, weight});
        totals.vertical += weight;
        totals.moment += weight * box.axis[wall];
    }

    // The reaction q(x) = qL + (qR − qL)·x/L upwards: its resultant R is the vertical load,
    // its moment about the left bottom joint the moment M of the loads.
    const double L = box.span, R = totals.vertical, M = totals.moment;
    const double qL = (4 * R - 6 * M / L) / L, qR = (6 * M / L - 2 * R) / L;
    const auto q = [&](double x) { return qL + (qR - qL) * x / L; };
    for (int span = 0; span < box.cells; ++span)  // upwards is to the right walking right to left
        loads.Add({box.BottomSpan(span), 0, box.SpanLength(span), -q(box.axis[span + 1]),
                   -q(box.axis[span])});
    return loads;
}
