// What holds for every design that passes the checks, over seeded random designs: the joint
// moments balance, each moment diagram runs from its start-joint moment to its end-joint
// moment, the symmetric load cases give a symmetric frame, and a run is repeatable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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

namespace {

constexpr int kDesigns = 3000;
constexpr double kSingleEpsilon = 1.1920929e-7;

std::string Text(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// A plausible input page: dimensions in cm steps, covers within the slabs, every live load
// and combination, so that every load case occurs.
DesignConditions RandomDesign(std::mt19937& random) {
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto pick = [&](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    DesignConditions c;
    c.soilType = pick(3);
    c.gammaS = Text(uniform(15, 21), 1);
    c.gammaC = Text(uniform(23, 25), 1);
    c.gammaA = Text(uniform(22, 23.5), 1);
    c.foundation = pick(3);
    c.liveLoad = pick(4);
    c.combination = pick(3);
    c.lowerHaunch = pick(2) == 1;
    c.Ko = Text(uniform(0.3, 0.7), 2);
    c.q = Text(pick(2) ? 0 : uniform(0, 20), 1);

    const double h1 = pick(4) == 0 ? uniform(0, 1) : uniform(0, 12);
    c.h1 = Text(h1, 2);
    c.ha = Text(std::min(h1, uniform(0, 0.3)), 2);
    const double Tu = uniform(0.2, 0.9), Tb = uniform(0.2, 0.9), TL = uniform(0.2, 0.9);
    const double Hah = uniform(0, 0.4), Hab = uniform(0, 0.4);
    c.Tu = Text(Tu, 2);
    c.Tb = Text(Tb, 2);
    c.TL = Text(TL, 2);
    c.Hah = Text(Hah, 2);
    c.Hab = Text(Hab, 2);
    c.H = Text(Tu + Tb + 2 * Hah + uniform(0.3, 5), 2);
    c.B = Text(2 * (TL + Hab) + uniform(0.3, 7), 2);
    c.dTop = Text(uniform(0.03, Tu / 2), 2);
    c.dWall = Text(uniform(0.03, TL / 2), 2);
    c.dBottomUpper = Text(uniform(0.03, Tb / 2), 2);
    c.dBottomLower = Text(uniform(0.03, Tb / 2), 2);

    c.sigmaCk = Text(uniform(18, 40), 0);
    c.sigmaCa = Text(uniform(7, 14), 1);
    c.tauA = Text(uniform(0.3, 0.6), 2);
    c.tauOa = Text(uniform(1.0, 2.4), 1);
    c.sigmaSa = Text(uniform(140, 200), 0);
    c.sigmaSaJoint = Text(uniform(160, 220), 0);
    c.tWeight = Text(uniform(10, 30), 0);
    c.tAxleDistance = Text(uniform(3, 8), 1);
    c.tImpactDepth = Text(uniform(3, 5), 1);
    c.pitchMode = pick(2);
    static const char* const kPitches[] = {"-", "125", "150", "250"};
    c.pitch = kPitches[pick(4)];
    return c;
}

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
    CalcTable scratch;
    ComputeLoads(*a.record, a.loadCase);
    ComputeJointMoments(*a.record, scratch, messenger);
    ComputeMemberForces(*a.record, a.loadCase, scratch);
    return a;
}

// The size of the joint moments and load terms: the scale of a 4-byte rounding.
double MomentScale(const TKakou& r) {
    double scale = 1e-3;
    for (float m : {r.Mab, r.Mba, r.Mbc, r.Mcb, r.Mcd, r.Mdc, r.Mda, r.Mad, r.Cab, r.Cba, r.Cbc,
                    r.Ccb, r.Ccd, r.Cdc, r.Cda, r.Cad})
        scale = std::max(scale, std::fabs(static_cast<double>(m)));
    return scale;
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
    ForEachDesign([](const Analysed& a) {
        const TKakou& r = *a.record;
        const double tolerance = 64 * kSingleEpsilon * MomentScale(r);
        EXPECT_NEAR(static_cast<double>(r.Mab) + r.Mad, 0, tolerance) << "joint A";
        EXPECT_NEAR(static_cast<double>(r.Mba) + r.Mbc, 0, tolerance) << "joint B";
        EXPECT_NEAR(static_cast<double>(r.Mcb) + r.Mcd, 0, tolerance) << "joint C";
        EXPECT_NEAR(static_cast<double>(r.Mdc) + r.Mda, 0, tolerance) << "joint D";
    });
}

TEST(RunProperties, MomentDiagramsRunFromJointToJoint) {
    ForEachDesign([](const Analysed& a) {
        const TKakou& r = *a.record;
        const double tolerance = 64 * kSingleEpsilon * MomentScale(r);
        const struct {
            MemberId id;
            float start, end;  // joint moments; the diagram ends at the end one reversed
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
