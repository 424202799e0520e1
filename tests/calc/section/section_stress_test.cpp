// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

#include <gtest/gtest.h>

#include "calc/section/bar_tables.h"

namespace {

TKakou WallOf400() {
    TKakou record;
    record.TL = 0.40f;
    record.dWall = 0.10f;
    record.sigmaSa = 160;
    record.sigmaCa = 8.0;
    record.tauA = 0.5;
    return record;
}

}  // namespace

TEST(SectionStress, WorkedExampleFromDemandToStresses) {
    const TKakou record = WallOf400();
    const SectionDepths depths = DepthsOf(record, MemberCode::L);
    EXPECT_FLOAT_EQ(depths.d, 300);
    EXPECT_FLOAT_EQ(depths.c, 100);

    const auto Asn = RequiredSteel(record, MemberCode::L, 50, 100);
    ASSERT_TRUE(Asn);
    EXPECT_NEAR(*Asn, 769.1, 0.05);

    TKakou tables;
    FillBarTables(tables);
    RecordingMessenger messenger;
    const BarChoice bar = SelectBarsAuto(tables, *Asn, messenger);
    EXPECT_EQ(bar.diameter, 16);
    EXPECT_EQ(bar.pitch, 250);
    EXPECT_NEAR(bar.As, 794.4, 0.005);

    const auto stress = ActualStresses(record, MemberCode::L, bar.As, 100, 50);
    ASSERT_TRUE(stress);
    EXPECT_NEAR(stress->x, 94.2, 0.05);
    EXPECT_NEAR(stress->sigmaC, 4.74, 0.005);
    EXPECT_NEAR(stress->sigmaS, 155.3, 0.05);
}

TEST(SectionStress, NegativeMomentActsAsItsMagnitude) {
    const TKakou record = WallOf400();
    EXPECT_EQ(RequiredSteel(record, MemberCode::L, -50, 100),
              RequiredSteel(record, MemberCode::L, 50, 100));
    const auto positive = ActualStresses(record, MemberCode::L, 794.4f, 100, 50);
    const auto negative = ActualStresses(record, MemberCode::L, 794.4f, 100, -50);
    ASSERT_TRUE(positive && negative);
    EXPECT_EQ(positive->sigmaC, negative->sigmaC);
    EXPECT_EQ(positive->sigmaS, negative->sigmaS);
}

TEST(SectionStress, MemberCodesSelectThicknessAndCover) {
    TKakou record;
    record.Tu = 0.40f, record.TL = 0.50f, record.Tb = 0.60f;
    record.dTop = 0.10f, record.dWall = 0.12f, record.dBottomUpper = 0.11f,
    record.dBottomLower = 0.13f;
    struct Case {
        MemberCode code;
        float d, c;
    } cases[] = {{MemberCode::U, 300, 100},
                 {MemberCode::L, 380, 130},
                 {MemberCode::R, 380, 130},
                 {MemberCode::B1, 490, 190},
                 {MemberCode::B2, 470, 170}};
    for (const auto& c : cases) {
        EXPECT_NEAR(DepthsOf(record, c.code).d, c.d, 1e-3);
        EXPECT_NEAR(DepthsOf(record, c.code).c, c.c, 1e-3);
    }
}

TEST(SectionStress, SmallMomentNeedsNoSteel) {
    // A large axial force with a small moment keeps the bars below sigmaSa: Asn is 0, never
    // negative.
    EXPECT_EQ(RequiredSteel(WallOf400(), MemberCode::L, 1, 500), 0.0f);
}

TEST(SectionStress, WithoutAxialForceNothingIsFormed) {
    const TKakou record = WallOf400();
    EXPECT_FALSE(RequiredSteel(record, MemberCode::L, 50, 0));
    EXPECT_FALSE(ActualStresses(record, MemberCode::L, 794.4f, 0, 50));
    EXPECT_FALSE(ActualStresses(record, MemberCode::L, 794.4f, 0, 0));
}

TEST(SectionStress, JudgementBoundaries) {
    const TKakou record = WallOf400();  // sigmaCa 8, sigmaSa 160, tauA 0.5
    struct Case {
        const char* what;
        bool haunch;
        int type;
        float sigmaC, sigmaS, tau, tau2d;
        const char* verdict;
    } cases[] = {
        {"all at their limits", true, 1, 8.0f, 160, 1.0f, 0.5f, "OK"},
        {"sigmaC above", true, 1, 8.01f, 100, 0, 0, "NO"},
        {"sigmaS above", true, 1, 4, 160.1f, 0, 0, "NO"},
        {"tau above 2 tauA", true, 1, 4, 100, 1.01f, 0, "NO"},
        {"tau2d above tauA", true, 1, 4, 100, 0, 0.51f, "NO"},
        {"corner without haunch at 3/4", false, 2, 6.0f, 100, 0, 0, "OK"},
        {"corner without haunch above 3/4", false, 2, 6.01f, 100, 0, 0, "NO"},
        {"corner with haunch above 3/4", true, 2, 7.9f, 100, 0, 0, "OK"},
        {"other section without haunch", false, 1, 7.9f, 100, 0, 0, "OK"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JudgeSection(record, c.haunch, c.type, c.sigmaC, c.sigmaS, c.tau, c.tau2d),
                  c.verdict)
            << c.what;
}
