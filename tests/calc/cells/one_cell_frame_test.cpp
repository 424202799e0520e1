// The general solver on the one-cell frame against the slope-deflection joint moments, over
// seeded random designs in every load case, dry and with water.
#include "calc/cells/one_cell_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "calc/cells/frame_solver.h"
#include "calc/frame/joint_moments.h"
#include "calc/loads/loads.h"
#include "calc/read_conditions.h"
#include "tests/calc/joint_balance.h"
#include "tests/calc/random_design.h"
#include "tests/calc/read_record.h"

namespace {

constexpr int kDesigns = 2000;

// The documented joint moments in the order of the frame's members, [from, to] each.
std::array<double, 8> Documented(const TLamen& r) {
    return {r.Mab, r.Mba, r.Mcd, r.Mdc, r.Mbc, r.Mcb, r.Mda, r.Mad};
}

// The largest difference of the joint moments, relative to the largest joint moment or load
// term of the case: the slope-deflection works in 4-byte floats, whose rounding is relative
// to those (single joint moments may be near zero, or small beside the load terms where
// water inside balances the earth).
double RelativeDifference(const TLamen& r, const FrameResponse& general) {
    const std::array<double, 8> documented = Documented(r);
    double difference = 0;
    for (int m = 0; m < 4; ++m) {
        const FrameResponse::Ends& ends = general.endMoments[std::size_t(m)];
        difference = std::max({difference, std::fabs(ends.from - documented[std::size_t(2 * m)]),
                               std::fabs(ends.to - documented[std::size_t(2 * m + 1)])});
    }
    return difference / joint_balance::MomentScale(r);
}

TEST(OneCellFrame, GeneralSolverGivesTheDocumentedJointMoments) {
    std::mt19937 random(20261210);
    int compared = 0;
    double worst = 0;
    for (int n = 0, designs = 0; designs < kDesigns; ++n) {
        const DesignConditions conditions = random_design::RandomDesign(random);
        const auto base = ReadRecord(conditions);
        RecordingMessenger messenger;
        if (CheckDesignConditions(*base, messenger) != 0) continue;
        ++designs;
        const FrameSolver solver(OneCellGeometry(*base));
        ASSERT_TRUE(solver.Solvable());
        // The five load cases dry, then one with groundwater or water inside.
        CaseWater water;
        if (n % 2) water.hw = std::uniform_real_distribution<double>(0, 10)(random);
        water.boxFull = n % 3 == 0;
        water.gammaW = 9.8;
        water.gammaSub = 9.0;
        for (int loadCase = 1; loadCase <= 6; ++loadCase) {
            auto r = std::make_unique<TKakou>(*base);
            if (loadCase <= 5)
                ComputeLoads(*r, loadCase);
            else
                ComputeLoads(*r, 1 + n % 5, water);
            ComputeJointMoments(*r, messenger);
            const double difference = RelativeDifference(*r, solver.Solve(OneCellLoads(*r)));
            worst = std::max(worst, difference);
            ASSERT_LT(difference, 1e-5) << "design " << n << ", load case " << loadCase;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 6 * kDesigns);
    RecordProperty("worst_relative_difference", std::to_string(worst));
    std::printf("worst relative difference %.3g over %d cases\n", worst, compared);
}

}  // namespace
