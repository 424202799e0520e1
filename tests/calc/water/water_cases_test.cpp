// The water cases and checks worked by hand on one wet design: the input page's defaults
// (load case 4: 10 kN/m² on the top slab and the walls) with the water table 1.00 m below the
// road surface, the box full of water in the second case, qa = 200 kN/m².
//   h1 = 4.20, Tu = 0.40, Tb = TL = 0.50, H = 3.90, B = 4.00, haunches 0.20 × 0.20
//   Ho = 3.45, Bo = 3.50, h1d = 4.40, h2d = 7.85, Bu = Hu = 3.00
//   D1 = 24.5·(4·0.4 + 0.04) = 40.18, D2 = 24.5·1.0·3.0 = 73.5, D3 = 24.5·4·0.5 = 49.0
//   γs = 18, γ' = 9.0, γw = 9.8, Ko = 0.5, α = 1.0, q = 10
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/run_work.h"
#include "calc/study/design_result.h"

namespace {

DesignConditions WetDefaults() {
    DesignConditions c;
    c.hw = "1.00";
    c.innerWater = 1;
    c.qa = "200";
    return c;
}

// Close to a hand value: a Single holds about seven digits.
void ExpectHand(double actual, double hand, const char* what) {
    EXPECT_NEAR(actual, hand, 2e-6 * std::max(1.0, std::fabs(hand))) << what;
}

struct Computed {
    std::unique_ptr<RunWork> work = std::make_unique<RunWork>();
    RunResult result = RunResult::ConversionError;
    RecordingMessenger messenger;
};

std::unique_ptr<Computed> Compute(const DesignConditions& conditions) {
    auto c = std::make_unique<Computed>();
    c->result = ComputeRun(conditions, *c->work, c->messenger, nullptr);
    return c;
}

}  // namespace

TEST(WaterCases, GroundwaterCaseByHand) {
    const auto computed = Compute(WetDefaults());
    ASSERT_EQ(computed->result, RunResult::Completed);
    const RunWork& w = *computed->work;
    ASSERT_EQ(w.loadCase, 4);
    ASSERT_EQ(w.extra.count, 2);
    const FrameCase& c = w.extra.cases[0];
    ASSERT_EQ(c.kind, CaseKind::Groundwater);
    const TBuzai& r = c.record;
    // Effective stress: 18·1.00 above the table, 9.0 below it.
    ExpectHand(r.Pvd, 18 * 1.0 + 9 * 3.2, "Pvd = 46.80");
    ExpectHand(r.Phd1q, 0.5 * (18 + 9 * 3.4 + 10), "Phd1 = 29.30");
    ExpectHand(r.Phd2q, 0.5 * (18 + 9 * 6.85 + 10), "Phd2 = 44.825");
    // Water: γw·(z − hw) on the top slab and at both slab axes.
    ExpectHand(c.water.top, 9.8 * 3.2, "Pw = 31.36");
    ExpectHand(c.water.wallTop, 9.8 * 3.4, "Pwh1 = 33.32");
    ExpectHand(c.water.wallBottom, 9.8 * 6.85, "Pwh2 = 67.13");
    ExpectHand(r.Pv1Frame, 46.8 + 31.36 + 10 + 40.18 / 3.5, "Pv1 = 99.64");
    ExpectHand(r.Ph1, 29.3 + 33.32, "Ph1 = 62.62");
    ExpectHand(r.Ph3, 29.3 + 33.32, "Ph3 = 62.62");
    ExpectHand(r.Ph2, 44.825 + 67.13, "Ph2 = 111.955");
    // The bottom slab from vertical equilibrium, not from the uplift.
    ExpectHand(r.Pv2L, 99.64 + 73.5 / 3.5, "Pv2 = 120.64");
    ExpectHand(r.Pv2R, 99.64 + 73.5 / 3.5, "Pv2 = 120.64");
    // The uplift 9.8·(4.2 + 3.9 − 1.0) = 69.58 comes off the ground pressure.
    const CaseBearing& b = w.stability->bearing.cases[1];
    ExpectHand(b.uplift, 69.58, "U");
    ExpectHand(b.q1, 120.64 + 49.0 / 3.5 - 69.58, "q1 = 65.06");
    ExpectHand(b.q2, 120.64 + 49.0 / 3.5 - 69.58, "q2 = 65.06");
}

TEST(WaterCases, InnerWaterCaseByHand) {
    const auto computed = Compute(WetDefaults());
    ASSERT_EQ(computed->result, RunResult::Completed);
    const RunWork& w = *computed->work;
    const FrameCase& c = w.extra.cases[1];
    ASSERT_EQ(c.kind, CaseKind::InnerWater);
    const TBuzai& r = c.record;
    // The water surface at the inner top h1 + Tu = 4.60: none at h1d = 4.40, 3.25 m at h2d.
    ExpectHand(c.water.innerTop, 0, "Pwi1");
    ExpectHand(c.water.innerBottom, 9.8 * 3.25, "Pwi2 = 31.85");
    ExpectHand(r.Pvd, 18 * 4.2, "dry earth: Pvd = 75.60");
    ExpectHand(r.Ph1, 0.5 * (18 * 4.4 + 10), "Ph1 = 44.60");
    ExpectHand(r.Ph2, 0.5 * (18 * 7.85 + 10) - 31.85, "Ph2 = 75.65 − 31.85");
    ExpectHand(r.Pv2L, 75.6 + 10 + 40.18 / 3.5 + 73.5 / 3.5, "Pv2 = 118.08");
    // The water's weight goes into the ground: 9.8·(4·3.9 − 6.64) = 87.808 kN/m over Bo.
    const CaseBearing& b = w.stability->bearing.cases[2];
    ExpectHand(b.innerWeight, 9.8 * 8.96 / 3.5, "Ww/Bo = 25.088");
    ExpectHand(b.q1, 118.08 + 14 + 25.088, "q1 = 157.168");
    // The documented case: q = Pv2 + D3/Bo as chapter II shows it.
    ExpectHand(w.stability->bearing.cases[0].q1, 118.08 + 14, "q1 = 132.08");
    ExpectHand(w.stability->bearing.largest, 157.168, "largest");
    EXPECT_TRUE(w.stability->bearing.passes);
}

TEST(WaterCases, UpliftByHand) {
    const auto computed = Compute(WetDefaults());
    ASSERT_EQ(computed->result, RunResult::Completed);
    const UpliftCheck& u = *computed->work->stability->uplift;
    // Concrete 4·3.9 − 3·3 + 0.04 = 6.64 m²; soil 1.00 m at 18, 3.20 m at 9.0 + 9.8.
    ExpectHand(u.Wbox, 24.5 * 6.64, "Wbox = 162.68");
    ExpectHand(u.Wabove, 4 * (18 * 1.0 + 18.8 * 3.2), "Wabove = 312.64");
    ExpectHand(u.U, 9.8 * 7.1 * 4, "U = 278.32");
    ExpectHand(u.Fs, (162.68 + 312.64) / 278.32, "Fs = 1.708");
    EXPECT_TRUE(u.passes);
}

TEST(WaterCases, WaterTableAgainstPavementSlabsAndBase) {
    struct Case {
        const char* name;
        const char* hw;
        const char* ha;
        double Pvd, Pwh1, Pwh2;  // by hand
        bool uplift;
    } cases[] = {
        // Within the pavement: all the soil is below the table.
        {"table in the pavement", "0.05", "0.10", 23 * 0.1 + 9 * 4.1, 9.8 * 4.35, 9.8 * 7.8, true},
        // Between the slab axes: water on the lower wall only, none on the top slab.
        {"table between the axes", "5.00", "0.00", 18 * 4.2, 0, 9.8 * 2.85, true},
        // Exactly at the base, 4.20 + 3.90 below the road: nothing to lift.
        {"table at the base", "8.10", "0.00", 18 * 4.2, 0, 0, false},
    };
    for (const Case& k : cases) {
        DesignConditions c;
        c.hw = k.hw;
        c.ha = k.ha;
        const auto computed = Compute(c);
        ASSERT_EQ(computed->result, RunResult::Completed) << k.name;
        const FrameCase& f = computed->work->extra.cases[0];
        ExpectHand(f.record.Pvd, k.Pvd, k.name);
        ExpectHand(f.water.wallTop, k.Pwh1, k.name);
        ExpectHand(f.water.wallBottom, k.Pwh2, k.name);
        EXPECT_EQ(computed->work->stability->uplift.has_value(), k.uplift) << k.name;
    }
}

TEST(WaterCases, ChecksFailWhereTheHandValuesExceed) {
    DesignConditions c = WetDefaults();
    c.qa = "150";            // below the inner-water case's 157.17
    c.upliftFactor = "1.8";  // above Fs = 1.708
    const DesignResult result = EvaluateDesign(c);
    ASSERT_TRUE(result.stability);
    EXPECT_FALSE(result.stability->bearing.passes);
    EXPECT_FALSE(result.stability->uplift->passes);
    EXPECT_FALSE(result.stability->Passes());
    EXPECT_FALSE(result.passed);  // the one verdict takes the checks of the box in
    // On piles the ground pressure is not checked.
    c.foundation = 1;
    EXPECT_TRUE(EvaluateDesign(c).stability->bearing.passes);
}

TEST(WaterCases, EntriesAreCheckedAndNamed) {
    struct Case {
        const char* hw;
        const char* gammaW;
        const char* qa;
        const char* factor;
        RunResult result;
        const char* message;
    } cases[] = {
        {"-0.5", "9.8", "", "1.2", RunResult::CheckFailed,
         "地下水位がおかしいです。\n訂正して下さい。"},
        {"なし", "0", "", "1.2", RunResult::CheckFailed,
         "水の単位体積重量がおかしいです。\n訂正して下さい。"},
        {"なし", "9.8", "-1", "1.2", RunResult::CheckFailed,
         "許容地盤反力度がおかしいです。\n訂正して下さい。"},
        {"なし", "9.8", "", "0", RunResult::CheckFailed,
         "浮上り安全率がおかしいです。\n訂正して下さい。"},
        {"1,0", "9.8", "", "1.2", RunResult::ConversionError, "1,0"},
        {"なし", "9.8", "abc", "1.2", RunResult::ConversionError, "許容地盤反力度"},
    };
    for (const Case& k : cases) {
        DesignConditions c;
        c.hw = k.hw, c.gammaW = k.gammaW, c.qa = k.qa, c.upliftFactor = k.factor;
        const auto computed = Compute(c);
        EXPECT_EQ(computed->result, k.result) << k.message;
        ASSERT_EQ(computed->messenger.messages.size(), 1u) << k.message;
        EXPECT_NE(computed->messenger.messages[0].find(k.message), std::string::npos)
            << computed->messenger.messages[0];
    }
}
