// The design of boxes of two and three cells: the joints of every sub-case in balance, the
// envelope of a symmetric box symmetric, and the one verdict.
#include "calc/cells/cell_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "calc/cells/frame_solver.h"
#include "calc/loads/loads.h"
#include "calc/study/design_result.h"
#include "tests/calc/random_design.h"
#include "tests/calc/read_record.h"

namespace {

DesignConditions RandomCells(std::mt19937& random, int k) {
    DesignConditions c = random_design::RandomDesign(random);
    c.cells = 2 + k % 2;
    c.Tm = random_design::Text(std::uniform_real_distribution<double>(0.2, 0.6)(random), 2);
    c.B = random_design::Text(std::stod(c.B) * c.cells, 2);
    c.dWall = random_design::Text(std::min(std::stod(c.dWall), 0.09), 2);
    return c;
}

// The name of the section in the mirror image of the box.
std::string Mirrored(const std::string& name, int cells) {
    const auto swap = [](std::string s, const std::string& a, const std::string& b) {
        const std::size_t at = s.find(a);
        return at == std::string::npos ? s : s.replace(at, a.size(), b);
    };
    if (name.find("(L)") != std::string::npos) return swap(name, "(L)", "(R)");
    if (name.find("(R)") != std::string::npos) return swap(name, "(R)", "(L)");
    // "頂版2左", "底版1M", "中壁1上": the number counts from the other side.
    const std::size_t digit = name.find_first_of("123");
    const int number = name[digit] - '0';
    const bool wall = name.rfind("中壁", 0) == 0;
    std::string mirrored = name;
    mirrored[digit] = char('0' + (wall ? cells - number : cells + 1 - number));
    if (wall) return mirrored;
    mirrored = swap(mirrored, "左", "#");
    mirrored = swap(mirrored, "右", "左");
    return swap(mirrored, "#", "右");
}

// Random boxes of two and three cells: at every joint of every sub-case the members' end
// moments balance, and the envelope of the symmetric box is symmetric, section by section.
TEST(CellDesign, JointsBalanceAndTheEnvelopeIsSymmetric) {
    std::mt19937 random(2024);
    int designs = 0;
    for (int k = 0; designs < 40; ++k) {
        const DesignConditions c = RandomCells(random, k);
        const auto record = ReadRecord(c);
        RecordingMessenger checks;
        if (CheckDesignConditions(*record, checks) != 0) continue;
        ++designs;
        const int loadCase = ChooseLoadCase(c, *record);
        ComputeLoads(*record, loadCase);
        RecordingMessenger messenger;
        const CellDesign d = DesignCells(*record, loadCase, WaterInputs{}, c, messenger);
        ASSERT_TRUE(d.solvable);

        const FrameSolver solver(d.frame);
        for (std::size_t p = 0; p < d.cases[0].positions.size(); p += 5) {
            const FrameResponse r = solver.Solve(SubCaseLoadsOf(d, {0, d.cases[0].positions[p]}));
            std::array<double, kMaxFrameJoints> sums{};
            double scale = 1;
            for (int m = 0; m < d.frame.memberCount; ++m) {
                sums[d.frame.members[m].from] += r.endMoments[m].from;
                sums[d.frame.members[m].to] += r.endMoments[m].to;
                scale = std::max(scale, std::fabs(r.endMoments[m].from));
            }
            for (int j = 0; j < d.frame.jointCount; ++j) ASSERT_NEAR(sums[j] / scale, 0, 1e-9);
        }

        std::map<std::string, const DesignedSection*> byName;
        for (std::size_t s = 0; s < d.layouts.size(); ++s)
            byName[d.layouts[s].name] = &d.sections[s];
        for (std::size_t s = 0; s < d.layouts.size(); ++s) {
            const DesignedSection& a = d.sections[s];
            const DesignedSection& b = *byName.at(Mirrored(d.layouts[s].name, d.box.cells));
            const double tolerance = 1e-4 * (1 + std::fabs(a.M));
            // A middle wall's faces change sides in the mirror.
            EXPECT_NEAR(std::fabs(a.M), std::fabs(b.M), tolerance) << d.layouts[s].name << " " << k;
            EXPECT_NEAR(std::fabs(a.S), std::fabs(b.S), 1e-4 * (1 + std::fabs(a.S)));
            EXPECT_NEAR(a.required.value_or(-1), b.required.value_or(-1),
                        1e-4 * (1 + a.required.value_or(0)));
        }
    }
}

// The one verdict and the result of a box of three cells: every section named, its steel and
// its stresses judged; a box whose wheels overload a section fails.
TEST(CellDesign, ThreeCellsThroughTheOneVerdict) {
    DesignConditions c;
    c.cells = 3;
    c.h1 = "1.00";
    const DesignResult r = EvaluateDesign(c);
    ASSERT_EQ(r.status, RunResult::Completed);
    ASSERT_EQ(r.cellSections.size(), 6u + 2 * 2 + 2 * 3 * 3);
    int withWheels = 0;
    for (const CellSectionResult& s : r.cellSections) {
        EXPECT_GT(s.values.As, 0) << s.name;
        EXPECT_NE(s.values.verdict, "");
        withWheels += s.moment.has_value();
    }
    EXPECT_EQ(withWheels, int(r.cellSections.size()));
    EXPECT_GE(r.governingSection, 0);
    EXPECT_GT(r.maxUtilisation, 0);

    c.sigmaSa = "60";
    const DesignResult tight = EvaluateDesign(c);
    EXPECT_FALSE(tight.passed);
}

}  // namespace
