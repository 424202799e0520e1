// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "calc/float_errors.h"
#include "calc/section/bar_tables.h"
#include "calc/section/cubic.h"
#include "calc/study/design_result.h"

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

// Each stress is judged against its own limit, and the verdict fails with any of them.
TEST(SectionStress, JudgementBoundaries) {
    const TKakou record = WallOf400();  // sigmaCa 8, sigmaSa 160, tauA 0.5
    struct Case {
        const char* what;
        bool haunch;
        int type;
        float sigmaC, sigmaS, tau, tau2d;
        StressExcesses exceeded;  // sigmaC, sigmaS, tau, tau2d
    } cases[] = {
        {"all at their limits", true, 1, 8.0f, 160, 1.0f, 0.5f, {}},
        {"sigmaC above", true, 1, 8.01f, 100, 0, 0, {true, false, false, false}},
        {"sigmaS above", true, 1, 4, 160.1f, 0, 0, {false, true, false, false}},
        {"tau above 2 tauA", true, 1, 4, 100, 1.01f, 0, {false, false, true, false}},
        {"tau2d above tauA", true, 1, 4, 100, 0, 0.51f, {false, false, false, true}},
        {"every one above", true, 1, 9, 170, 1.1f, 0.6f, {true, true, true, true}},
        {"corner without haunch at 3/4", false, 2, 6.0f, 100, 0, 0, {}},
        {"corner without haunch above 3/4",
         false,
         2,
         6.01f,
         100,
         0,
         0,
         {true, false, false, false}},
        {"corner with haunch above 3/4", true, 2, 7.9f, 100, 0, 0, {}},
        {"other section without haunch", false, 1, 7.9f, 100, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const StressExcesses exceeded =
            ExceededLimits(record, c.haunch, c.type, c.sigmaC, c.sigmaS, c.tau, c.tau2d);
        EXPECT_EQ(exceeded, c.exceeded) << c.what;
        EXPECT_EQ(VerdictOf(exceeded), c.exceeded == StressExcesses{} ? "OK" : "NO") << c.what;
    }
}

TEST(SectionStress, TopSlabWithLargeEccentricityGetsTheStressesOfItsEquations) {
    // A top slab 250 mm thick, bars 60 mm from the face, As 4053.6, N 1.85 kN under 103.37 kNm
    // (e/h about 220): the closed form puts the neutral axis near 103.29 mm and reads sigmaC
    // 3.0 and sigmaS 38; the equations give x = 103.00 mm.
    TKakou record;
    record.Tu = 0.25f;
    record.dTop = 0.06f;
    record.sigmaCa = 10.0;
    record.sigmaSa = 180;
    const auto stress = ActualStresses(record, MemberCode::U, 4053.6f, 1.85f, -103.37f);
    ASSERT_TRUE(stress);
    EXPECT_NEAR(stress->x, 103.00, 0.005);
    EXPECT_NEAR(stress->sigmaC, 12.9, 0.05);
    EXPECT_NEAR(stress->sigmaS, 164, 0.5);
}

namespace {

struct Reference {
    long double sigmaC, sigmaS;
};

// The stresses of x^3 - 3(h/2 - e) x^2 + 6n/b As (e + c) x - 6n/b As (e + c)(h/2 + c) = 0,
// with its largest root found by halving in Extended: the last sign change scanning down
// from above every root, then halving until the bracket cannot shrink.
Reference ReferenceStresses(long double h, long double dPrime, long double As, long double N,
                            long double M) {
    const long double c = h / 2 - dPrime, e = std::fabs(M) * 1000 / N;
    const long double a2 = -3 * (h / 2 - e), a1 = 90 * As * (e + c) / 1000, a0 = -a1 * (h / 2 + c);
    const auto f = [&](long double x) { return ((x + a2) * x + a1) * x + a0; };
    long double high =
        2 * std::max({std::fabs(a2), std::sqrt(std::fabs(a1)), std::cbrt(std::fabs(a0 / 2))});
    long double low = high;
    while (f(low) > 0) high = low, low /= 1.01L;
    for (long double middle = (low + high) / 2; middle > low && middle < high;
         middle = (low + high) / 2)
        (f(middle) > 0 ? high : low) = middle;
    const long double x = low, lever = h / 2 + c - x;
    const long double sigmaC = N * 1000 / (1000 * x / 2 - 15 * As * lever / x);
    return {sigmaC, lever / x * 15 * sigmaC};
}

}  // namespace

// Sections of every depth and cover under e/h from 0.1 to 2000: the stresses lie within 1 %
// of those of the equations, and where the closed form's do too, clear of the 1 % bound and
// of every allowable stress, they are the closed form's.
TEST(SectionStress, StressesFollowTheEquationsOverRandomSections) {
    std::mt19937 random(411);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int k = 0; k < 4000; ++k) {
        TKakou record;
        record.Tu = static_cast<float>(std::round(uniform(0.2, 1.0) * 100) / 100);
        record.dTop = static_cast<float>(std::round(uniform(0.03, record.Tu / 2) * 100) / 100);
        record.sigmaCa = std::round(uniform(7, 14));
        record.sigmaSa = std::round(uniform(140, 200));
        const float h = record.Tu * 1000.0f, dPrime = record.dTop * 1000.0f;
        const float As = static_cast<float>(uniform(200, 8000));
        const float N = static_cast<float>(std::exp(uniform(std::log(0.5), std::log(500))));
        const double eccentricity = std::exp(uniform(std::log(0.1), std::log(2000))) * h;
        const float M = static_cast<float>(eccentricity * N / 1000 * (k % 2 ? 1 : -1));

        const auto stress = ActualStresses(record, MemberCode::U, As, N, M);
        ASSERT_TRUE(stress) << k;
        const Reference ref = ReferenceStresses(h, dPrime, As, N, M);
        const auto near = [](long double value, long double reference) {
            return std::fabs(value - reference) <= 0.01L * std::fabs(reference);
        };
        EXPECT_TRUE(near(stress->sigmaC, ref.sigmaC))
            << k << ": sigmaC " << stress->sigmaC << " for " << static_cast<double>(ref.sigmaC);
        EXPECT_TRUE(near(stress->sigmaS, ref.sigmaS))
            << k << ": sigmaS " << stress->sigmaS << " for " << static_cast<double>(ref.sigmaS);

        // The closed-form neutral axis of the Single coefficients, and its stresses.
        const float e = static_cast<float>(std::fabs(M) * 1000.0 / N);
        const float c = static_cast<float>(h / 2.0 - dPrime);
        const double term = 90.0 * As * (double(e) + c) / 1000;
        const float x = static_cast<float>(SolveCubic(static_cast<float>(-3.0 * (h / 2.0 - e)),
                                                      static_cast<float>(term),
                                                      static_cast<float>(-term * (h / 2.0 + c))));
        const long double lever = h / 2.0L + c - x;
        const long double sigmaC = N * 1000 / (1000 * x / 2.0L - 15 * As * lever / x);
        const long double sigmaS = lever / x * 15 * sigmaC;
        const auto clearlyNear = [](long double value, long double reference) {
            return std::fabs(value - reference) < 0.009L * std::fabs(reference);
        };
        const auto sameSide = [](long double value, long double reference, long double limit) {
            return std::fabs(reference - limit) > 0.002L * limit &&
                   (value > limit) == (reference > limit);
        };
        if (x > 0 && clearlyNear(sigmaC, ref.sigmaC) && clearlyNear(sigmaS, ref.sigmaS) &&
            sameSide(sigmaC, ref.sigmaC, record.sigmaCa) &&
            sameSide(sigmaC, ref.sigmaC, record.sigmaCa * 3 / 4) &&
            sameSide(sigmaS, ref.sigmaS, record.sigmaSa)) {
            EXPECT_EQ(stress->x, x) << k << ": the closed form's stresses are replaced";
        }
    }
}

namespace {

// Pure bending by hand: b·x²/2 = n·As·(d − x), σc = 2M/(b·x·(d − x/3)), σs = n·σc·(d − x)/x.
Reference PureBending(long double d, long double As, long double M) {
    const long double x = (-15 * As + std::sqrt(225 * As * As + 2 * 1000 * 15 * As * d)) / 1000;
    const long double sigmaC = 2 * std::fabs(M) * 1e6L / (1000 * x * (d - x / 3));
    return {sigmaC, 15 * sigmaC * (d - x) / x};
}

bool Near(long double value, long double reference, long double tolerance) {
    return std::fabs(value - reference) <= tolerance * std::fabs(reference);
}

}  // namespace

// The worked example's wall under M = 50 kNm while N falls from 100 kN to 1e-12 kN, then to
// 0: with N → 0 the eccentricity grows without bound and the closed form overflows, yet the
// stresses follow the equations all the way and end in those of pure bending, and no
// floating-point error is left for the run to take for a bad input.
TEST(SectionStress, VanishingAxialForceTendsToPureBending) {
    const TKakou record = WallOf400();  // d = 300 mm
    const Single As = 794.4f;
    const Reference bending = PureBending(300, As, 50);
    const auto steelOf = [&](Single N) {
        std::feclearexcept(kFloatErrors);
        const auto Asn = RequiredSteel(record, MemberCode::L, 50, N);
        EXPECT_FALSE(FloatErrorRaised()) << "required steel at N = " << N;
        return Asn.value_or(-1);
    };
    const Single bendingSteel = steelOf(0);
    EXPECT_GT(bendingSteel, 0);
    for (double n = 100; n >= 1e-12; n /= 1.25) {
        const Single N = n;
        std::feclearexcept(kFloatErrors);
        const auto stress = ActualStresses(record, MemberCode::L, As, N, 50);
        EXPECT_FALSE(FloatErrorRaised()) << "stresses at N = " << N;
        ASSERT_TRUE(stress) << N;
        const Reference ref = ReferenceStresses(400, 100, As, N, 50);
        EXPECT_TRUE(Near(stress->sigmaC, ref.sigmaC, 0.01)) << N << ": sigmaC " << stress->sigmaC;
        EXPECT_TRUE(Near(stress->sigmaS, ref.sigmaS, 0.01)) << N << ": sigmaS " << stress->sigmaS;
        if (n < 1e-6) {
            EXPECT_TRUE(Near(stress->sigmaC, bending.sigmaC, 1e-4)) << N;
            EXPECT_TRUE(Near(stress->sigmaS, bending.sigmaS, 1e-4)) << N;
            EXPECT_TRUE(Near(steelOf(N), bendingSteel, 1e-4)) << N;
        }
    }
    const auto pure = ActualStresses(record, MemberCode::L, As, 0, 50);
    ASSERT_TRUE(pure);
    EXPECT_TRUE(Near(pure->sigmaC, bending.sigmaC, 1e-6));
    EXPECT_TRUE(Near(pure->sigmaS, bending.sigmaS, 1e-6));
    // Without moment either, nothing is stressed and no steel is needed.
    const auto unloaded = ActualStresses(record, MemberCode::L, As, 0, 0);
    ASSERT_TRUE(unloaded);
    EXPECT_EQ(unloaded->sigmaC, 0);
    EXPECT_NEAR(RequiredSteel(record, MemberCode::L, 0, 0).value_or(-1), 0, 1e-3);
    // A moment far beyond any box overflows the closed form of the required steel: its
    // accurate root gives the steel.
    std::feclearexcept(kFloatErrors);
    const auto huge = RequiredSteel(record, MemberCode::L, 1e21f, 100);
    EXPECT_FALSE(FloatErrorRaised());
    ASSERT_TRUE(huge);
    EXPECT_TRUE(std::isfinite(*huge) && *huge > 0);
}

// Cover 1.56 m, a box 3.76 m wide and 2.18 m high with slabs 0.42 and 0.90 m and walls 0.35 m
// thick: the walls' shears at the bottom nearly cancel, the bottom slab carries well under a
// newton of axial force, and its closed form overflows. The run completes, and the bottom
// slab's stresses are those of pure bending.
TEST(SectionStress, BottomSlabWithoutAxialForceIsInPureBending) {
    DesignConditions conditions;
    conditions.h1 = "1.56";
    conditions.B = "3.76";
    conditions.H = "2.18";
    conditions.Tu = "0.42";
    conditions.TL = "0.35";
    conditions.Tb = "0.90";
    const DesignResult result = EvaluateDesign(conditions);
    ASSERT_EQ(result.status, RunResult::Completed);
    EXPECT_TRUE(result.messages.empty());
    for (int row = 10; row <= 12; ++row) {
        const SectionResult& s = result.sections[row - 1];
        ASSERT_LT(s.N, 0.001) << row;
        const Reference bending = PureBending(900 - 110, s.As, s.M);  // d' 0.11 both faces
        ASSERT_TRUE(s.sigmaC && s.sigmaS) << row;
        EXPECT_TRUE(Near(*s.sigmaC, bending.sigmaC, 0.01)) << row << ": sigmaC " << *s.sigmaC;
        EXPECT_TRUE(Near(*s.sigmaS, bending.sigmaS, 0.01)) << row << ": sigmaS " << *s.sigmaS;
    }
}
