// Loads of boxes of two and three cells: a hand-worked position of two cells, equilibrium of
// every position of random designs, and the positions the wheels take.
#include "calc/cells/cell_loads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "calc/loads/loads.h"
#include "tests/calc/cells/frame_statics.h"
#include "tests/calc/random_design.h"
#include "tests/calc/read_record.h"

namespace {

CellBox TwoCells() {
    TData r;
    r.B = 5.0, r.TL = 0.5, r.Tu = 0.4, r.Tb = 0.6, r.Ho = 3.0, r.cells = 2, r.Tm = 0.4;
    return CellBoxOf(r);
}

// Two cells of 1.8 m, axes at 0, 2.25 and 4.5 m. Rear band [0, 2] (its edge on the left axis,
// so no horizontal live load there), front band [4, 6] of which [4, 4.5] is on the box and
// over the right axis: Ko·PvL2 = 3.75 on the right wall.
//   vertical  50·4.5 + 30·2 + 7.5·0.5 + 10 + 8 + 10 = 316.75 kN
//   moment    225·2.25 + 60·1 + 3.75·4.25 + 8·2.25 + 10·4.5
//             + 3²·(40 + 2·20)/6 − 3²·(43.75 + 2·23.75)/6 = 628.3125 kN·m about the left joint
//   qL = (4·316.75 − 6·628.3125/4.5)/4.5 = 95.3889, qR = 45.3889 kN/m²
TEST(CellLoads, HandWorkedTwoCellPosition) {
    const CellBox box = TwoCells();
    EXPECT_NEAR(box.Bu, 1.8, 1e-6);  // Tm is held as a Single
    EXPECT_NEAR(box.axis[1], 2.25, 1e-6);
    CellCaseLoads c;
    c.top = 50, c.wallTop = 20, c.wallBottom = 40, c.wallWeight = {10, 8, 10, 0};
    c.wheels = c.horizontalLive = true;
    c.W1 = 2, c.PvL1 = 30, c.PvL2 = 7.5, c.Ko = 0.5, c.axleDistance = 4;
    const FrameLoads loads = SubCaseLoads(box, c, {1.0, +1});

    const auto find = [&](int member, bool point = false) {
        std::vector<MemberLoad> found;
        for (const MemberLoad& l : loads.All())
            if (l.member == member && l.point == point) found.push_back(l);
        return found;
    };
    ASSERT_EQ(find(box.LeftWall()).size(), 1u);
    EXPECT_DOUBLE_EQ(find(box.LeftWall())[0].qa, -40);
    EXPECT_DOUBLE_EQ(find(box.LeftWall())[0].qb, -20);
    EXPECT_DOUBLE_EQ(find(box.RightWall())[0].qa, -23.75);
    EXPECT_DOUBLE_EQ(find(box.RightWall())[0].qb, -43.75);
    // Top span 0: the earth and the rear band from 0 to 2; span 1: the earth and the front
    // band from 1.75 to 2.25 along it.
    const auto top1 = find(box.TopSpan(1));
    ASSERT_EQ(top1.size(), 2u);
    EXPECT_NEAR(top1[1].a, 1.75, 1e-6);
    EXPECT_NEAR(top1[1].b, 2.25, 1e-6);
    EXPECT_DOUBLE_EQ(top1[1].qa, -7.5);
    EXPECT_TRUE(find(box.MiddleWall(1)).empty());
    // The bottom span 0 runs from the middle wall to the left wall.
    const auto bottom0 = find(box.BottomSpan(0));
    ASSERT_EQ(bottom0.size(), 1u);
    EXPECT_NEAR(bottom0[0].qa, -(95.38889 - 25), 1e-4);
    EXPECT_NEAR(bottom0[0].qb, -95.38889, 1e-4);
    EXPECT_NEAR(find(box.BottomSpan(1))[0].qa, -45.38889, 1e-4);
    EXPECT_EQ(find(box.BottomSpan(0), true).size(), 2u);  // the middle and the left wall

    const Resultant r = ResultantOf(BoxFrame(box), loads);
    EXPECT_NEAR(r.Fy, 0, 1e-9);
    EXPECT_NEAR(r.M, 0, 1e-9);
    EXPECT_NEAR(r.Fx, -3.75 * 3, 1e-9);  // the right wall's horizontal live load
}

// Every position of every load case of random designs of two and three cells: the loads are
// in vertical and moment equilibrium about the left bottom joint (which takes any horizontal
// difference of the walls' pressures).
TEST(CellLoads, EveryPositionInEquilibrium) {
    std::mt19937 random(24);
    int positions = 0;
    for (int k = 0; k < 300; ++k) {
        DesignConditions c = random_design::RandomDesign(random);
        c.cells = 2 + k % 2;
        c.Tm = "0.30";
        const auto record = ReadRecord(c);
        const CellBox box = CellBoxOf(*record);
        if (!(box.Bu > 0.3)) continue;
        for (int loadCase = 1; loadCase <= 5; ++loadCase) {
            TKazyu loaded = *record;
            const WaterPressures water = ComputeLoads(loaded, loadCase, {6.0, k % 3 == 0, 9.8, 9});
            const CellCaseLoads caseLoads = CellCaseLoadsOf(loaded, box, loadCase, water);
            const FrameGeometry frame = BoxFrame(box);
            for (const WheelPosition& p : WheelPositions(box, caseLoads)) {
                const FrameLoads loads = SubCaseLoads(box, caseLoads, p);
                const Resultant r = ResultantOf(frame, loads);
                const double scale = caseLoads.top * box.span + 1;
                ASSERT_NEAR(r.Fy / scale, 0, 1e-12) << k << " case " << loadCase;
                ASSERT_NEAR(r.M / scale / box.span, 0, 1e-12) << k << " case " << loadCase;
                ++positions;
            }
        }
    }
    EXPECT_GT(positions, 10000);
}

// The rear band's centre moves from half a band before the left axis to half a band beyond
// the right axis, in steps of 0.1 m at most, on both sides of the front band, and stops where
// an edge of either band lies on a wall axis.
TEST(CellLoads, WheelPositionsCoverTheTopAndStopAtTheAxes) {
    const CellBox box = TwoCells();
    CellCaseLoads c;
    c.wheels = true, c.W1 = 2.3, c.axleDistance = 6;
    const auto positions = WheelPositions(box, c);
    for (const int side : {+1, -1}) {
        std::vector<double> xs;
        for (const WheelPosition& p : positions)
            if (p.front == side) xs.push_back(p.rear);
        ASSERT_FALSE(xs.empty());
        EXPECT_DOUBLE_EQ(xs.front(), -1.15);
        EXPECT_DOUBLE_EQ(xs.back(), 4.5 + 1.15);
        for (std::size_t k = 1; k < xs.size(); ++k) EXPECT_LE(xs[k] - xs[k - 1], 0.1 + 1e-12);
        const auto has = [&](double x) {
            for (const double v : xs)
                if (std::abs(v - x) < 1e-12) return true;
            return false;
        };
        for (const double axis : {0.0, 2.25, 4.5}) {
            EXPECT_TRUE(has(axis - 1.15) && has(axis + 1.15)) << axis;
            // The front band's edge on the axis, where the rear band is still on the top.
            const double front = axis - side * 6 - 1.15;
            if (front >= -1.15 && front <= 5.65) {
                EXPECT_TRUE(has(front)) << axis;
            }
        }
    }
    EXPECT_EQ(WheelPositions(box, CellCaseLoads{}).size(), 1u);

    // Bands 1 km wide (a cover the impact depth allows) cover the top alike over most of their
    // way: a side takes the points of four stretches as long as the box, a point for each gap
    // and the edges on the axes (not 20,000 points), one of them covering all.
    c.W1 = 1000, c.axleDistance = 3;
    const auto wide = WheelPositions(box, c);
    EXPECT_LE(wide.size(), 2u * (4 * 46 + 5 + 12));
    EXPECT_TRUE(std::any_of(wide.begin(), wide.end(), [](const WheelPosition& p) {
        return p.rear - 500 < -3 && p.rear + 500 > 4.5 + 3;
    }));
}

}  // namespace
