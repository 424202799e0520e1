// Member section forces: the worked member examples, the walls' span maximum in every case,
// the top-slab search, axial forces and the signed sheet lines.
#include "calc/frame/member_forces.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/frame/joint_moments.h"
#include "calc/frame/max_position.h"
#include "calc/frame/member_model.h"
#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"
#include "tests/calc/frame/frame_records.h"

namespace {

std::string Text(float value, std::string_view pattern = "0.00") {
    return FormatLine(pattern, value);
}

TEST(ComputeMemberForces, WorkedExamplesOfTheFourMembers) {
    auto r = WorkedExampleRecord();
    ComputeMemberForces(*r);

    const MemberForces& ab = r->forcesAB;
    EXPECT_EQ(Text(ab.SStart), "56.90");
    EXPECT_EQ(Text(ab.SEnd), "-48.10");
    EXPECT_EQ(Text(ab.XMax, "0.000"), "1.607");
    EXPECT_EQ(Text(ab.MMax), "23.75");
    EXPECT_EQ(Text(ab.S2dStart), "26.73");
    EXPECT_EQ(Text(ab.S2dEnd), "-30.27");
    EXPECT_EQ(Text(ab.MEnd), "-25.00");
    EXPECT_NEAR(MomentAt(MemberOf(*r, MemberId::AB), r->Ho), -r->Mba, 1e-4);

    const MemberForces& cd = r->forcesCD;
    EXPECT_EQ(Text(cd.SStart), "48.10");
    EXPECT_EQ(Text(cd.SEnd), "-56.90");
    EXPECT_EQ(Text(cd.XMax, "0.000"), "1.893");
    EXPECT_EQ(Text(r->Ho - cd.XMax, "0.000"), "1.607");
    EXPECT_EQ(Text(cd.MMax), "23.75");
    EXPECT_EQ(Text(cd.S2dStart), "30.27");
    EXPECT_EQ(Text(cd.S2dEnd), "-26.73");

    const MemberForces& da = r->forcesDA;
    EXPECT_EQ(Text(da.SStart), "82.24");
    EXPECT_EQ(Text(da.SEnd), "-92.76");
    EXPECT_EQ(Text(da.XMax, "0.000"), "1.819");
    EXPECT_EQ(Text(da.MMax), "57.68");

    // h1d = 1.2, W1 = 2.6, L1 = 0.45, L2 = 2.6, L3 = 0; the shear is zero at 1.7607 m.
    const TopSlabBands bands = ComputeTopSlabBands(*r);
    EXPECT_NEAR(bands.W1, 2.6, 1e-6);
    EXPECT_NEAR(bands.L1, 0.45, 1e-6);
    EXPECT_EQ(bands.L3, 0);
    const MemberForces& bc = r->forcesBC;
    EXPECT_EQ(Text(bc.SStart), "127.36");
    EXPECT_EQ(Text(bc.SEnd), "-125.64");
    EXPECT_EQ(Text(bc.XMax, "0.000"), "1.761");
    EXPECT_EQ(Text(bc.MMax), "95.97");
    EXPECT_EQ(Text(bc.S2dStart), "92.86");
    EXPECT_EQ(Text(bc.S2dEnd), "-91.14");
}

// The bottom slab carries the larger wall shear at all three sections: |Sab| = 56.90 kN.
TEST(ComputeMemberForces, BottomSlabAxialForceIsTheLargerWallShear) {
    auto r = WorkedExampleRecord();
    r->Ph2 = 35.0f;  // |Sdc| below |Sab|
    ComputeMemberForces(*r);
    ASSERT_LT(std::fabs(r->forcesCD.SEnd), std::fabs(r->forcesAB.SStart));
    for (float n : {r->forcesDA.NStart, r->forcesDA.NMid, r->forcesDA.NEnd})
        EXPECT_EQ(FormatLine("0.00"_pattern, n), "56.90");
    EXPECT_EQ(r->forcesAB.NEnd, std::fabs(r->forcesBC.SStart));
}

// A wall whose shear has no usable zero by the closed form still gets its maximum inside the
// wall. The left wall carries the case, the right wall its mirror image.
TEST(ComputeMemberForces, WallMaximumAlwaysLiesInTheWall) {
    struct Case {
        const char* name;
        float bottomLoad, topLoad, Mab, Mba;
        float X;     // from A on the left wall
        float Mmax;  // on both walls
    } cases[] = {
        // Equal intensities: a linear shear, zero at mid-height; Sab = 52.5, Mmax = 52.5·1.75
        // − 30·1.75²/2 − 20 = 25.9375.
        {"linear shear", 30, 30, -20, 20, 1.75f, 25.9375f},
        // Sab = 144.05 exceeds the whole load: b² − 4ac < 0, the moment grows up the wall.
        {"negative discriminant", 40, 20, -200, -100, 3.5f, 100},
        // Sab = 119.76: both roots (4.34 m, 9.66 m) lie above the wall.
        {"zero beyond the wall", 40, 20, -115, -100, 3.5f, 100},
        // Sab = −15.95: the roots are −0.39 m and 14.39 m and the moment falls from A.
        {"largest at the start", 40, 20, 160, 100, 0, 160},
    };
    for (const auto& c : cases) {
        auto r = WorkedExampleRecord();
        r->Ph4 = r->Ph2 = c.bottomLoad;
        r->Ph3 = r->Ph1 = c.topLoad;
        r->Mab = c.Mab;
        r->Mba = c.Mba;
        r->Mcd = -c.Mba;
        r->Mdc = -c.Mab;
        ComputeMemberForces(*r);
        EXPECT_FLOAT_EQ(r->forcesAB.XMax, c.X) << c.name;
        EXPECT_NEAR(r->forcesAB.MMax, c.Mmax, 1e-3) << c.name;
        EXPECT_NEAR(r->forcesCD.XMax, r->Ho - c.X, 1e-6) << c.name;
        EXPECT_NEAR(r->forcesCD.MMax, c.Mmax, 1e-3) << c.name;
    }
}

TEST(ComputeMemberForces, BottomSlabWithEqualReactionsPeaksAtMidSpan) {
    auto r = WorkedExampleRecord();
    r->Pv2L = r->Pv2R = 50.0f;
    ComputeMemberForces(*r);
    EXPECT_EQ(r->forcesDA.XMax, r->Bo / 2);
    // Sda = 87.5 + 2/3.5; Mmax = Sda·1.75 − 50·3.5²/8 − 20.
    const double Sda = 87.5 + 2 / 3.5;
    EXPECT_NEAR(r->forcesDA.MMax, Sda * 1.75 - 50 * 3.5 * 3.5 / 8 - 20, 1e-3);
}

TEST(FindTopSlabMaxPosition, GivesNinetyNineWhenTheShearStaysPositive) {
    FrameMember slab;
    slab.topSlab = true;
    slab.startShear = 1;
    for (long double span : {3.5L, 1.0e6L}) {  // far out the 1 mm step no longer grows x
        slab.length = span;
        EXPECT_EQ(FindTopSlabMaxPosition(slab), 99.0f) << static_cast<double>(span);
    }
}

TEST(ComputeMemberForces, RearWheelBandWiderThanTheSpanLoadsTheWholeSlab) {
    auto r = WorkedExampleRecord();
    r->h1 = 2.0f;  // W1 = 2·2.2 + 0.2 = 4.6 > Bo
    ComputeMemberForces(*r);
    // Sbc = (50 + 30)·3.5/2 + 3/3.5, the uniform 80 kN/m² over the span.
    const double Sbc = 80 * 3.5 / 2 + 3 / 3.5;
    EXPECT_NEAR(r->forcesBC.SStart, Sbc, 1e-4);
    EXPECT_NEAR(r->forcesBC.SEnd, Sbc - 80 * 3.5, 1e-4);
    const double d = 0.3;
    EXPECT_NEAR(r->forcesBC.S2dStart, Sbc - 80 * 2 * d, 1e-4);
}

TEST(ComputeMemberForces, FrontWheelBandActsAgainstJointC) {
    auto r = WorkedExampleRecord();
    r->axleDistance = 2.0;  // L3 = 1.75 − (2.0 − 1.3) = 1.05 m
    r->PvL2Frame = 10.0f;
    ComputeMemberForces(*r);
    const double L3 = 1.05;
    const double Sbc = (50 * 3.5 + 30 * 2.6 + 10 * L3 * L3 / 3.5) / 2 + 3 / 3.5;
    EXPECT_NEAR(r->forcesBC.SStart, Sbc, 1e-4);
    EXPECT_NEAR(r->forcesBC.SEnd, Sbc - 50 * 3.5 - 30 * 2.6 - 10 * L3, 1e-4);
    // The moment reaches −Mcb at C with every band in place.
    EXPECT_NEAR(MomentAt(MemberOf(*r, MemberId::BC), r->Bo), -r->Mcb, 1e-3);
}

TEST(ComputeMemberForces, SheetLinesCarryTheSignOfTheirSection) {
    auto r = WorkedExampleRecord();
    CalcTable table;
    ComputeMemberForces(*r);
    WriteMemberForces(*r, 4, table);
    const ChapterList& lines = table.List("ListBox2");
    ASSERT_EQ(lines.size(), 59u);
    EXPECT_EQ(lines[0], "3．部材断面力");
    EXPECT_EQ(lines[5], "   Sab=--------･L - ---------=+56.90kN");
    EXPECT_EQ(lines[8], "   Sba=----------･L - ---------=-48.10kN");
    EXPECT_EQ(lines[12], "   Mb  =-Mba                   =-25.00kNm");
    // The left wall's maximum is written without a plus sign, the right wall's with one.
    EXPECT_EQ(lines[14], "   Mmax=Sab･X- ----･X^2 - -------･X^3+Mab=23.75kNm");
    EXPECT_EQ(lines[29], "   Mmax=Scd･X - ----･X^2 - -------･X^3+Mcd=+23.75kNm");
    EXPECT_EQ(lines[16], " ");
    EXPECT_EQ(lines[57], "   Mmax=---･Sda･L- ------+Mda=+57.68kNm");
}

// For the default design (load case 4) the frame and its loads are symmetric.
TEST(ComputeMemberForces, DefaultDesignIsMirrorSymmetric) {
    auto r = DefaultDesignRecord();
    RecordingMessenger messenger;
    ComputeJointMoments(*r, messenger);
    ComputeMemberForces(*r);
    const MemberForces &ab = r->forcesAB, &cd = r->forcesCD, &bc = r->forcesBC, &da = r->forcesDA;
    const float tol = 1e-3f;
    EXPECT_NEAR(ab.MStart, cd.MEnd, tol);
    EXPECT_NEAR(ab.MEnd, cd.MStart, tol);
    EXPECT_NEAR(ab.MMax, cd.MMax, tol);
    EXPECT_NEAR(ab.XMax, r->Ho - cd.XMax, 1e-4);
    EXPECT_NEAR(ab.SStart, -cd.SEnd, tol);
    EXPECT_NEAR(ab.SEnd, -cd.SStart, tol);
    EXPECT_NEAR(ab.S2dStart, -cd.S2dEnd, tol);
    EXPECT_NEAR(bc.MStart, bc.MEnd, tol);
    EXPECT_NEAR(bc.SStart, -bc.SEnd, tol);
    EXPECT_NEAR(da.MStart, da.MEnd, tol);
    EXPECT_EQ(da.XMax, r->Bo / 2);
    // Uniform top load: X is the first search point beyond mid-span.
    EXPECT_GT(bc.XMax, r->Bo / 2);
    EXPECT_LT(bc.XMax, r->Bo / 2 + 0.0011f);
}

}  // namespace
