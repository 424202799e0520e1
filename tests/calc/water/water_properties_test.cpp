// What holds for every wet design over seeded random designs: each case's frame loads are in
// vertical equilibrium (up to the documented case's own imbalance where the rear wheel is
// narrower than the span: the bottom slab takes the whole line load PL1, the top slab β·PL1),
// the joint moments of each case balance, and a higher water table never raises Fs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "calc/run_work.h"
#include "tests/calc/joint_balance.h"
#include "tests/calc/random_design.h"

namespace {

constexpr int kDesigns = 400;

// A random design with groundwater somewhere from the road surface to below the base, the box
// full of water in every other design, and a submerged weight γ' with γs ≤ γ' + γw ≤ γs + 2.
DesignConditions RandomWetDesign(std::mt19937& random, double& depth) {
    DesignConditions c = random_design::RandomDesign(random);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const double h1 = std::stod(c.h1), H = std::stod(c.H);
    depth = uniform(0, h1 + H + 1);
    c.hw = random_design::Text(depth, 2);
    depth = std::stod(c.hw);
    c.innerWater = uniform(0, 1) < 0.5;
    c.gammaSub = random_design::Text(std::stod(c.gammaS) - 9.8 + uniform(0, 2), 2);
    return c;
}

struct Computed {
    std::unique_ptr<RunWork> work = std::make_unique<RunWork>();
    RunResult result = RunResult::ConversionError;
};

Computed Compute(const DesignConditions& conditions) {
    Computed run;
    RecordingMessenger messenger;
    run.result = ComputeRun(conditions, *run.work, messenger, nullptr);
    return run;
}

// Every case of a run, the documented one first.
std::vector<const TBuzai*> Cases(const RunWork& w) {
    std::vector<const TBuzai*> cases = {&w.record};
    for (const FrameCase& c : w.extra.All()) cases.push_back(&c.record);
    return cases;
}

}  // namespace

TEST(WaterProperties, EveryCaseBalancesVerticallyAndAtItsJoints) {
    std::mt19937 random(20261210);
    int wet = 0;
    for (int n = 0; n < kDesigns; ++n) {
        double depth = 0;
        const DesignConditions conditions = RandomWetDesign(random, depth);
        const Computed run = Compute(conditions);
        if (run.result != RunResult::Completed) continue;
        const RunWork& w = *run.work;
        wet += w.extra.count > 0;
        const bool live = w.loadCase == 1 || w.loadCase == 2;
        for (const TBuzai* c : Cases(w)) {
            SCOPED_TRACE("design " + std::to_string(n) + ", load case " +
                         std::to_string(w.loadCase));
            const TBuzai& r = *c;
            const double Bo = r.Bo;
            double top = double(r.Pv1Frame) * Bo + double(r.PvL2Frame) * r.L1 + r.D2;
            if (live) top += double(r.PvL1Frame) * std::min(double(r.W1), Bo);
            const double bottom = (double(r.Pv2L) + r.Pv2R) / 2 * Bo;
            const double imbalance = live && r.W1 <= r.Bo ? (1 - r.beta) * r.PL1 : 0.0;
            const double scale =
                std::fabs(top) + std::fabs(bottom) + std::fabs(r.Sp1) + std::fabs(r.Sp2) + 1;
            EXPECT_NEAR(bottom - top, imbalance, 1e-5 * scale);
            joint_balance::ExpectJointsBalance(r);
        }
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(wet, kDesigns * 3 / 4);
}

TEST(WaterProperties, AHigherWaterTableNeverRaisesFs) {
    std::mt19937 random(7331);
    int compared = 0;
    for (int n = 0; n < kDesigns; ++n) {
        double depth = 0;
        DesignConditions conditions = RandomWetDesign(random, depth);
        const Computed lower = Compute(conditions);
        if (lower.result != RunResult::Completed) continue;
        const double raised = std::uniform_real_distribution<double>(0, depth)(random);
        conditions.hw = random_design::Text(raised, 2);
        const Computed higher = Compute(conditions);
        ASSERT_EQ(higher.result, RunResult::Completed) << "design " << n;
        const auto& before = lower.work->stability->uplift;
        const auto& after = higher.work->stability->uplift;
        // Raising the table never takes the check away.
        ASSERT_TRUE(after || !before) << "design " << n;
        if (!before || !after) continue;
        ++compared;
        EXPECT_LE(after->Fs, before->Fs * (1 + 1e-12))
            << "design " << n << ": hw " << depth << " → " << conditions.hw;
    }
    EXPECT_GT(compared, kDesigns / 2);
}
