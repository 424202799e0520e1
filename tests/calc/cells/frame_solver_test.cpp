// The frame solver against closed forms: fixed-end moments of partial and point loads, the
// span maximum of hand-worked beams, closed boxes of one and two equal cells.
#include "calc/cells/frame_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/cells/member_sections.h"
#include "tests/calc/cells/box_frames.h"

namespace {

using box_frames::EqualCells;
using box_frames::Line;

constexpr double kL = 4.0, kW = 10.0;

// A beam along x, both ends held against rotation (one end also along the beam).
FrameGeometry FixedBeam() {
    FrameGeometry g;
    g.AddJoint(0, 0);
    g.AddJoint(kL, 0);
    g.AddMember(0, 1, 0.4);
    g.AddSupport({0, true, true, true});
    g.AddSupport({1, false, true, true});
    return g;
}

FrameResponse SolveBeam(const FrameLoads& loads) {
    const FrameSolver solver(FixedBeam());
    EXPECT_TRUE(solver.Solvable());
    return solver.Solve(loads);
}

void ExpectEnds(const FrameResponse& r, int member, double from, double to) {
    const double tolerance = 1e-9 * (std::fabs(from) + std::fabs(to) + 1);
    EXPECT_NEAR(r.endMoments[std::size_t(member)].from, from, tolerance) << "member " << member;
    EXPECT_NEAR(r.endMoments[std::size_t(member)].to, to, tolerance) << "member " << member;
}

// Fixed-end moments of downward loads (negative: to the right walking along +x), clockwise
// positive: −M at the start, +M at the end.
TEST(FrameSolver, FixedEndMomentsOfTextbookLoads) {
    const double L = kL, w = kW, P = 25, a = 1.5, c = 2.5;
    struct Case {
        const char* name;
        MemberLoad load;
        double start, end;  // textbook magnitudes
    };
    const Case cases[] = {
        {"uniform", Line(0, 0, L, -w, -w), w * L * L / 12, w * L * L / 12},
        {"triangle rising to the end", Line(0, 0, L, 0, -w), w * L * L / 30, w * L * L / 20},
        {"partial uniform from the start", Line(0, 0, c, -w, -w),
         w * c * c * (6 * L * L - 8 * L * c + 3 * c * c) / (12 * L * L),
         w * c * c * c * (4 * L - 3 * c) / (12 * L * L)},
        {"band centred", Line(0, (L - c) / 2, (L + c) / 2, -w, -w),
         w * c * (3 * L * L - c * c) / (24 * L), w * c * (3 * L * L - c * c) / (24 * L)},
        {"point",
         {0, a, 0, 0, 0, true, -P},
         P * a * (L - a) * (L - a) / (L * L),
         P * a * a * (L - a) / (L * L)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FrameLoads loads;
        loads.Add(c.load);
        ExpectEnds(SolveBeam(loads), 0, -c.start, c.end);
    }
    // A partial trapezoid over [0, c], 4 → 10 downward: the uniform part and a partial
    // triangle, whose fixed-end moments are w·c²(10L² − 15Lc + 6c²)/(30L²) and
    // w·c³(5L − 4c)/(20L²) (integrated by hand).
    const double q0 = 4, dq = 6;
    FrameLoads loads;
    loads.Add(Line(0, 0, c, -q0, -(q0 + dq)));
    ExpectEnds(SolveBeam(loads), 0,
               -(q0 * c * c * (6 * L * L - 8 * L * c + 3 * c * c) / (12 * L * L) +
                 dq * c * c * (10 * L * L - 15 * L * c + 6 * c * c) / (30 * L * L)),
               q0 * c * c * c * (4 * L - 3 * c) / (12 * L * L) +
                   dq * c * c * c * (5 * L - 4 * c) / (20 * L * L));
}

// Hand-worked span maxima of fixed beams: w over the first half (linear shear, zero at
// 13L/32, M = 155wL²/6144), and a triangle rising to the end (quadratic shear, zero at
// L·√0.3, M = wL²(√0.3/10 − 1/30)).
TEST(FrameSolver, LargestSpanMomentAtTheRootOfTheShear) {
    const double L = kL, w = kW;
    FrameLoads half;
    half.Add(Line(0, 0, L / 2, -w, -w));
    MomentExtremes e = MemberMomentExtremes(FixedBeam(), half, SolveBeam(half), 0);
    EXPECT_NEAR(e.largest.x, 13 * L / 32, 1e-12);
    EXPECT_NEAR(e.largest.M, 155 * w * L * L / 6144, 1e-10);
    EXPECT_NEAR(e.smallest.x, 0, 1e-12);
    EXPECT_NEAR(e.smallest.M, -11 * w * L * L / 192, 1e-10);

    FrameLoads triangle;
    triangle.Add(Line(0, 0, L, 0, -w));
    const FrameResponse r = SolveBeam(triangle);
    e = MemberMomentExtremes(FixedBeam(), triangle, r, 0);
    EXPECT_NEAR(e.largest.x, L * std::sqrt(0.3), 1e-12);
    EXPECT_NEAR(e.largest.M, w * L * L * (std::sqrt(0.3) / 10 - 1.0 / 30), 1e-10);
    EXPECT_NEAR(e.smallest.x, L, 1e-12);
    // Along the member: M(0) = M_from, M(L) = −M_to, and S = dM/dx.
    const FrameGeometry g = FixedBeam();
    EXPECT_NEAR(SectionAt(g, triangle, r, 0, 0).M, -w * L * L / 30, 1e-10);
    EXPECT_NEAR(SectionAt(g, triangle, r, 0, L).M, -w * L * L / 20, 1e-10);
    for (double x : {0.3, 1.7, 3.9}) {
        const double h = 1e-6;
        const double slope =
            (SectionAt(g, triangle, r, 0, x + h).M - SectionAt(g, triangle, r, 0, x - h).M) /
            (2 * h);
        EXPECT_NEAR(SectionAt(g, triangle, r, 0, x).S, slope, 1e-6);
    }
}

// A square box under w on the top and the bottom slab: corners wL²/24 (tension outside),
// span moments wL²/12, walls compressed by wL/2. With a point load the jump in shear is P.
TEST(FrameSolver, ClosedSquareFrameUnderEqualTopAndBottomLoad) {
    const auto box = EqualCells(1, kL, kL, 0.5, 0.5, 0.5, 0);
    const FrameSolver solver(box.geometry);
    ASSERT_TRUE(solver.Solvable());
    FrameLoads loads;
    loads.Add(Line(box.TopSlab(0), 0, kL, -kW, -kW));
    loads.Add(Line(box.BottomSlab(0), 0, kL, -kW, -kW));
    const FrameResponse r = solver.Solve(loads);
    const double corner = kW * kL * kL / 24;
    ExpectEnds(r, box.TopSlab(0), -corner, corner);
    ExpectEnds(r, box.BottomSlab(0), -corner, corner);
    ExpectEnds(r, box.Wall(0), -corner, corner);  // walked upwards: tension outside
    ExpectEnds(r, box.Wall(1), corner, -corner);
    const MomentExtremes top = MemberMomentExtremes(box.geometry, loads, r, box.TopSlab(0));
    EXPECT_NEAR(top.largest.x, kL / 2, 1e-12);
    EXPECT_NEAR(top.largest.M, kW * kL * kL / 12, 1e-9);
    for (int wall : {box.Wall(0), box.Wall(1)})
        EXPECT_NEAR(r.axial[std::size_t(wall)], kW * kL / 2, 1e-9);
    EXPECT_NEAR(r.axial[std::size_t(box.TopSlab(0))], 0, 1e-9);
}

// Two equal square cells, equal EI, w on the top and bottom slabs: outer corners wL²/36, slab
// ends at the middle wall wL²/9, no moment in the middle wall, which carries 7wL/6.
TEST(FrameSolver, TwoEqualCellsUnderEqualTopAndBottomLoad) {
    const auto box = EqualCells(2, kL, kL, 0.5, 0.5, 0.5, 0.5);
    const FrameSolver solver(box.geometry);
    ASSERT_TRUE(solver.Solvable());
    FrameLoads loads;
    for (int i = 0; i < 2; ++i) {
        loads.Add(Line(box.TopSlab(i), 0, kL, -kW, -kW));
        loads.Add(Line(box.BottomSlab(i), 0, kL, -kW, -kW));
    }
    const FrameResponse r = solver.Solve(loads);
    const double outer = kW * kL * kL / 36, middle = kW * kL * kL / 9;
    ExpectEnds(r, box.TopSlab(0), -outer, middle);
    ExpectEnds(r, box.TopSlab(1), -middle, outer);
    ExpectEnds(r, box.BottomSlab(0), -middle, outer);  // walked from the middle wall
    ExpectEnds(r, box.BottomSlab(1), -outer, middle);
    ExpectEnds(r, box.Wall(1), 0, 0);
    EXPECT_NEAR(r.axial[std::size_t(box.Wall(1))], 7 * kW * kL / 6, 1e-9);
    EXPECT_NEAR(r.axial[std::size_t(box.Wall(0))], 5 * kW * kL / 12, 1e-9);
}

// Random partial trapezoids and point loads on a two-cell box: every member's moment
// diagram, integrated from its start, closes on the moment at its other end, each joint is in
// balance, and no section of a fine sampling exceeds the extremes found.
TEST(FrameSolver, DiagramsCloseOnTheEndMomentsAndStayWithinTheExtremes) {
    std::mt19937 random(24);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto box = EqualCells(2, 3.4, 2.6, 0.45, 0.35, 0.5, 0.3);
    const FrameSolver solver(box.geometry);
    ASSERT_TRUE(solver.Solvable());
    for (int n = 0; n < 200; ++n) {
        FrameLoads loads;
        for (int k = 0; k < 12; ++k) {
            const int member = std::uniform_int_distribution<int>(0, 6)(random);
            const double L = MemberLength(box.geometry, member);
            const double a = uniform(0, L), b = uniform(a, L);
            if (k % 4 == 0)
                loads.Add({member, a, 0, 0, 0, true, uniform(-50, 50)});
            else
                loads.Add(Line(member, a, b, uniform(-80, 80), uniform(-80, 80)));
        }
        const FrameResponse r = solver.Solve(loads);
        std::array<double, 6> jointSums{};
        for (int m = 0; m < 7; ++m) {
            const double L = MemberLength(box.geometry, m);
            const auto& ends = r.endMoments[std::size_t(m)];
            jointSums[std::size_t(box.geometry.members[std::size_t(m)].from)] += ends.from;
            jointSums[std::size_t(box.geometry.members[std::size_t(m)].to)] += ends.to;
            EXPECT_NEAR(SectionAt(box.geometry, loads, r, m, L).M, -ends.to, 1e-8);
            const MomentExtremes e = MemberMomentExtremes(box.geometry, loads, r, m);
            EXPECT_NEAR(SectionAt(box.geometry, loads, r, m, e.largest.x).M, e.largest.M, 1e-9);
            for (int i = 0; i <= 1000; ++i) {
                const double M = SectionAt(box.geometry, loads, r, m, L * i / 1000).M;
                EXPECT_LE(M, e.largest.M + 1e-9);
                EXPECT_GE(M, e.smallest.M - 1e-9);
            }
        }
        for (double sum : jointSums) EXPECT_NEAR(sum, 0, 1e-8);
        if (HasFailure()) break;
    }
}

// Without supports, or with supports that repeat what a member's length already holds, the
// frame has no unique solution: it says so and solves to zero.
TEST(FrameSolver, MechanismsAreNotSolvable) {
    auto free = EqualCells(1, kL, kL, 0.5, 0.5, 0.5, 0);
    free.geometry.supportCount = 0;
    FrameGeometry repeated = FixedBeam();
    repeated.supports[1].x = true;
    for (const FrameGeometry& g : {free.geometry, repeated}) {
        const FrameSolver solver(g);
        EXPECT_FALSE(solver.Solvable());
        FrameLoads loads;
        loads.Add(Line(0, 0, 1, -kW, -kW));
        EXPECT_EQ(solver.Solve(loads).endMoments[0].from, 0);
    }
}

}  // namespace
