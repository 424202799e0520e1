// Joint moments of the closed frame: symmetry, the check at each joint, the failed solve and
// the signed sheet lines.
#include "calc/frame/joint_moments.h"

#include <gtest/gtest.h>

#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"
#include "tests/calc/frame/frame_records.h"

namespace {

struct StageRun {
    CalcTable table;
    RecordingMessenger messenger;
    const ChapterList& terms() const { return table.List("ListBox3"); }
    const ChapterList& moments() const { return table.List("ListBox5"); }
};

// The signed value at the end of a line, and the same with the other sign.
std::string ValueOf(const std::string& line) {
    return line.substr(line.rfind('=') + 1);
}
std::string Negated(std::string value) {
    value[0] = value[0] == '+' ? '-' : '+';
    return value;
}

// Symmetric loads: the uniform case of the default design and the same frame with a deeper
// bottom slab and stiffer top slab.
TEST(ComputeJointMoments, SymmetricLoadsGiveMirroredMomentsAndNoSway) {
    auto plain = DefaultDesignRecord();
    auto stiff = DefaultDesignRecord();
    stiff->Tu = 0.55f;
    stiff->Tb = 0.70f;
    for (TKakou* r : {plain.get(), stiff.get()}) {
        StageRun run;
        WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
        EXPECT_TRUE(run.messenger.messages.empty());
        EXPECT_EQ(r->Astory, 0.0f);
        const float tolerance = 1e-4f * std::abs(r->Mab);
        EXPECT_NEAR(r->Mab, -r->Mdc, tolerance);
        EXPECT_NEAR(r->Mba, -r->Mcd, tolerance);
        EXPECT_NEAR(r->Mbc, -r->Mcb, tolerance);
        EXPECT_NEAR(r->Mad, -r->Mda, tolerance);
        const ChapterList& lines = run.moments();
        EXPECT_EQ(lines[38], "    R  =+0.000");  // no sway: R = 0 both ways round
        // Θc = −Θb and Θd = −Θa, to the digits shown.
        EXPECT_EQ(ValueOf(lines[34]), Negated(ValueOf(lines[33])));
        EXPECT_EQ(ValueOf(lines[35]), Negated(ValueOf(lines[32])));
    }
}

TEST(ComputeJointMoments, CheckSumsAreZeroAtEveryJoint) {
    auto r = DefaultDesignRecord();
    r->Cab += 5.0f;  // an unsymmetric load: sway and four different rotations
    r->Astory = 1.5f;
    StageRun run;
    WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
    const ChapterList& lines = run.moments();
    ASSERT_EQ(lines.size(), 59u);
    const char* sums[] = {
        "    ΣMa=Mab+Mad               =0.000kNm", "    ΣMb=Mba+Mbc               =0.000kNm",
        "    ΣMc=Mcb+Mcd               =0.000kNm", "    ΣMd=Mdc+Mda               =0.000kNm"};
    for (int j = 0; j < 4; ++j) EXPECT_EQ(lines[55 + j], sums[j]);
    EXPECT_NEAR(r->Mab + r->Mad, 0, 1e-4);
    EXPECT_NEAR(r->Mba + r->Mbc, 0, 1e-4);
    EXPECT_NEAR(r->Mcb + r->Mcd, 0, 1e-4);
    EXPECT_NEAR(r->Mdc + r->Mda, 0, 1e-4);
}

// Slabs of negative stiffness (k2 = k3 = −1) make the elimination meet an exact zero pivot.
TEST(ComputeJointMoments, FailedSolveKeepsZeroRotationsAndWritesTheSheet) {
    auto r = DefaultDesignRecord();
    r->Ho = r->Bo;
    r->Tu = -r->TL;
    r->Tb = -r->TL;
    StageRun run;
    WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
    ASSERT_EQ(run.messenger.messages.size(), 1u);
    EXPECT_EQ(run.messenger.messages[0], "Matrix[4] Error\n平衡方程式が解けません。");
    EXPECT_EQ(r->Mab, -r->Cab);
    EXPECT_EQ(r->Mba, r->Cba);
    EXPECT_EQ(r->Mbc, -r->Cbc);
    EXPECT_EQ(r->Mcb, r->Ccb);
    EXPECT_EQ(r->Mcd, -r->Ccd);
    EXPECT_EQ(r->Mdc, r->Cdc);
    EXPECT_EQ(r->Mda, -r->Cda);
    EXPECT_EQ(r->Mad, r->Cad);
    const ChapterList& lines = run.moments();
    ASSERT_EQ(lines.size(), 59u);
    for (int j = 32; j <= 35; ++j) EXPECT_EQ(lines[j].substr(lines[j].size() - 6), "+0.000");
    EXPECT_EQ(lines[43], "    Mab=k1(2･Θa+  Θb-3･R)-Cab=" +
                             FormatLine("+0.000kNm;-0.000kNm"_pattern, -r->Cab));
    EXPECT_EQ(run.terms().size(), 47u);
}

TEST(ComputeJointMoments, EqualThicknessesAndSquareFrameGiveUnitStiffness) {
    auto r = DefaultDesignRecord();
    r->Ho = r->Bo;
    r->Tu = r->Tb = r->TL;
    StageRun run;
    WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
    const ChapterList& lines = run.moments();
    EXPECT_EQ(lines[6], "    K1               =1.00000");
    EXPECT_EQ(lines[8], "    K2=----･(----)^3 =1.00000");
    EXPECT_EQ(lines[11], "    k3=----･(----)^3 =1.00000");
}

// The storey term's two sections carry different label texts.
TEST(ComputeJointMoments, StoreyTermLineUsesTheSectionOfItsSign) {
    struct Case {
        float astory;
        const char* line;
    } cases[] = {
        {-1.2346f, "  A=-1.235kNm"}, {2.0f, "    A =+2.000kNm"}, {-0.0004f, "    A =+0.000kNm"}};
    for (const auto& c : cases) {
        auto r = DefaultDesignRecord();
        r->Astory = c.astory;
        StageRun run;
        WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
        ASSERT_EQ(run.terms().size(), 47u);
        EXPECT_EQ(run.terms()[46], c.line) << c.astory;
    }
}

TEST(ComputeJointMoments, LoadTermSheetShowsTheDefaultDesign) {
    auto r = DefaultDesignRecord();
    StageRun run;
    WriteJointMoments(*r, ComputeJointMoments(*r, run.messenger), run.table);
    const ChapterList& lines = run.terms();
    // Pv1 = 75.6 + 10.0 + 40.18/3.5 = 97.08 kN/m², K1 = Pv1·3.5²/12 = 99.10 kNm.
    EXPECT_EQ(lines[11], "  Cbc=K1+K2+K3             =99.10kNm");
    EXPECT_EQ(lines[13], "  Ccb=K1+K2+K4             =99.10kNm");
    EXPECT_EQ(lines[28], "　  Ho (Box高:ﾗｰﾒﾝ軸)      =3,450mm");
    EXPECT_EQ(lines[29], "　  Bo (Box幅:ﾗｰﾒﾝ軸)      =3,500mm");
    // Ph1 = 0.5·(4.4·18 + 10) = 44.6 kN/m², Ph2 = 0.5·(7.85·18 + 10) = 75.65 kN/m².
    EXPECT_EQ(lines[30], "    Ph1(右側壁:水平土圧)   =44.600kN/m2");
    EXPECT_EQ(lines[31], "    Ph2(右側壁:水平土圧)   =75.650kN/m2");
    EXPECT_EQ(lines[26], "");
    EXPECT_EQ(lines[4], " ");
}

}  // namespace
