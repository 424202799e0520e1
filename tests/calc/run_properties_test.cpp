// What holds for every design that passes the checks, over seeded random designs: the joint
// moments balance, each moment diagram runs from its start-joint moment to its end-joint
// moment, the symmetric load cases give a symmetric frame, and a run is repeatable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "calc/frame/joint_moments.h"
#include "calc/frame/member_forces.h"
#include "calc/frame/member_model.h"
#include "calc/loads/loads.h"
#include "calc/read_conditions.h"
#include "calc/run.h"
#include "tests/calc/joint_balance.h"
#include "tests/calc/random_design.h"

namespace {

using joint_balance::kSingleEpsilon;
using joint_balance::MomentScale;
using random_design::RandomDesign;

constexpr int kDesigns = 3000;

// The record after the frame analysis, as the run computes it.
struct Analysed {
    std::unique_ptr<TKakou> record = std::make_unique<TKakou>();
    int loadCase = 0;
    bool passed = false;
};

Analysed Analyse(const DesignConditions& conditions) {
    Analysed a;
    RecordingMessenger messenger;
    ReadDesignConditions(conditions, *a.record);
    a.loadCase = ChooseLoadCase(conditions, *a.record);
    a.passed = CheckDesignConditions(*a.record, messenger) == 0;
    if (!a.passed) return a;
    ComputeLoads(*a.record, a.loadCase);
    ComputeJointMoments(*a.record, messenger);
    ComputeMemberForces(*a.record);
    return a;
}

// The seeded designs, analysed once for all the properties.
const std::vector<Analysed>& Designs() {
    static const std::vector<Analysed> designs = [] {
        std::mt19937 random(20261209);
        std::vector<Analysed> all;
        for (int n = 0; n < kDesigns; ++n) all.push_back(Analyse(RandomDesign(random)));
        return all;
    }();
    return designs;
}

// Runs the property over the designs that pass the checks.
template <typename Property>
void ForEachDesign(Property property) {
    const std::vector<Analysed>& designs = Designs();
    for (std::size_t n = 0; n < designs.size(); ++n) {
        const Analysed& a = designs[n];
        if (!a.passed) continue;
        SCOPED_TRACE("design " + std::to_string(n) + ", load case " + std::to_string(a.loadCase));
        property(a);
        if (::testing::Test::HasFailure()) break;  // one design's failures are enough
    }
}

}  // namespace

TEST(RunProperties, MostRandomDesignsPassTheChecks) {
    const auto& designs = Designs();
    const auto passed =
        std::count_if(designs.begin(), designs.end(), [](const Analysed& a) { return a.passed; });
    EXPECT_GT(passed, kDesigns * 9 / 10);
}

TEST(RunProperties, JointMomentsBalanceAtEveryJoint) {
    ForEachDesign([](const Analysed& a) { joint_balance::ExpectJointsBalance(*a.record); });
}

TEST(RunProperties, MomentDiagramsRunFromJointToJoint) {
    ForEachDesign([](const Analysed& a) {
        const TKakou& r = *a.record;
        const double tolerance = 64 * kSingleEpsilon * MomentScale(r);
        const struct {
            MemberId id;
            double start, end;  // joint moments; the diagram ends at the end one reversed
            const char* name;
        } members[] = {{MemberId::AB, r.Mab, r.Mba, "AB"},
                       {MemberId::CD, r.Mcd, r.Mdc, "CD"},
                       {MemberId::BC, r.Mbc, r.Mcb, "BC"},
                       {MemberId::DA, r.Mda, r.Mad, "DA"}};
        for (const auto& m : members) {
            const FrameMember member = MemberOf(r, m.id);
            EXPECT_NEAR(static_cast<double>(MomentAt(member, 0)), m.start, tolerance) << m.name;
            EXPECT_NEAR(static_cast<double>(MomentAt(member, member.length)), -m.end, tolerance)
                << m.name;
        }
    });
}

TEST(RunProperties, SymmetricLoadCasesGiveAMirroredFrame) {
    int symmetric = 0;
    ForEachDesign([&](const Analysed& a) {
        if (a.loadCase < 3) return;
        ++symmetric;
        const TKakou& r = *a.record;
        EXPECT_EQ(r.Ph1, r.Ph3);  // tops of the walls
        EXPECT_EQ(r.Ph2, r.Ph4);  // feet of the walls
        EXPECT_EQ(r.Pv2L, r.Pv2R);
        // Mirroring about the vertical axis swaps A with D and B with C and turns every
        // moment's sense.
        const double tolerance = 64 * kSingleEpsilon * MomentScale(r);
        EXPECT_NEAR(r.Mab, -r.Mdc, tolerance);
        EXPECT_NEAR(r.Mba, -r.Mcd, tolerance);
        EXPECT_NEAR(r.Mbc, -r.Mcb, tolerance);
        EXPECT_NEAR(r.Mda, -r.Mad, tolerance);
        EXPECT_NEAR(r.forcesAB.MMax, r.forcesCD.MMax, tolerance);
        // The top slab's maximum is searched in 1 mm steps.
        EXPECT_NEAR(r.forcesBC.XMax, r.Bo / 2.0, 0.002);
        EXPECT_NEAR(r.forcesDA.XMax, r.Bo / 2.0, 0.002);
    });
    EXPECT_GT(symmetric, 0);
}

// Also: a design that passes the checks runs to the end.
TEST(RunProperties, TwoRunsOfOneInputGiveIdenticalTables) {
    std::mt19937 random(7);
    for (int n = 0; n < 30; ++n) {
        const DesignConditions conditions = RandomDesign(random);
        CalcTable first, second;
        RecordingMessenger firstMessages, secondMessages;
        const RunResult result = RunCalculation(conditions, first, firstMessages);
        if (Analyse(conditions).passed) {
            EXPECT_EQ(result, RunResult::Completed) << "design " << n;
        }
        EXPECT_EQ(RunCalculation(conditions, second, secondMessages), result);
        EXPECT_TRUE(first == second) << "design " << n;
        EXPECT_EQ(firstMessages.messages, secondMessages.messages) << "design " << n;
    }
}
