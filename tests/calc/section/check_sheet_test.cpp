// The summary of the checks: the default design's rows worked by hand, and over random
// designs the agreement of every row with the section grid and with its own verdict.
#include "calc/section/check_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/run.h"
#include "tests/calc/random_design.h"

namespace {

CalcTable RunOf(const DesignConditions& conditions, RunResult& result) {
    CalcTable table;
    RecordingMessenger messenger;
    result = RunCalculation(conditions, table, messenger);
    return table;
}

// Columns of the summary grid.
enum Column {
    kH = 1,
    kD,
    kBars,
    kM,
    kN,
    kS,
    kSigmaC,
    kSigmaCa,
    kSigmaS,
    kSigmaSa,
    kTau,
    kTau2a,
    kTau2d,
    kTauA,
    kShear,
    kVerdict
};

TEST(SectionChecks, DefaultDesignRowsAsWorkedByHand) {
    RunResult result;
    const CalcTable table = RunOf(DesignConditions{}, result);
    ASSERT_EQ(result, RunResult::Completed);
    const Grid& grid = table.GridOf("StringGrid5");
    EXPECT_EQ(grid.Cell(kSigmaC, 0), "σc/σca");
    EXPECT_EQ(grid.Cell(kVerdict, 0), "判定");
    // h and d = h − d' in mm; σca = 8.0, ¾·σca = 6.0 at the bottom corners A and D without
    // lower haunches; σsa = 160; 2τa = 0.78 and τa = 0.39 at the joints, no shear at mid-span.
    struct Row {
        int row;
        const char *h, *d, *sigmaCa, *tau2a, *shear;
    } rows[] = {
        {1, "500", "400", "6.0", "0.78", nullptr},         // 側壁(L)A: TL 0.50, d' 0.10
        {4, "400", "300", "8.0", "0.78", nullptr},         // 頂版B: Tu 0.40, d' 0.10
        {5, "400", "300", "8.0", "-", "なし（支間部）"},   // 頂版M
        {10, "500", "390", "6.0", "0.78", nullptr},        // 底版D: Tb 0.50, lower d' 0.11
        {11, "500", "390", "8.0", "-", "なし（支間部）"},  // 底版M: upper d' 0.11
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(grid.Cell(0, r.row));
        EXPECT_EQ(grid.Cell(kH, r.row), r.h);
        EXPECT_EQ(grid.Cell(kD, r.row), r.d);
        EXPECT_EQ(grid.Cell(kSigmaCa, r.row), r.sigmaCa);
        EXPECT_EQ(grid.Cell(kSigmaSa, r.row), "160");
        EXPECT_EQ(grid.Cell(kTau2a, r.row), r.tau2a);
        if (r.shear) {
            EXPECT_EQ(grid.Cell(kShear, r.row), r.shear);
        }
    }
    const Grid& design = table.GridOf("StringGrid3");
    EXPECT_EQ(grid.Cell(kBars, 4), design.Cell(7, 4) + design.Cell(8, 4));  // "D19@250"
    // σc of 頂版B over 8.0, as the section grid prints σc to 0.1.
    EXPECT_NEAR(std::stod(grid.Cell(kSigmaC, 4)), std::stod(design.Cell(9, 4)) / 8.0, 0.05 / 8.0);
}

// The limit a row's σc is compared with: ¾·σca at the bottom corners without lower haunches.
double SigmaCaOf(const DesignConditions& c, int row) {
    const bool corner = row == 1 || row == 9 || row == 10 || row == 12;
    return std::stod(c.sigmaCa) * (corner && !c.lowerHaunch ? 0.75 : 1.0);
}

double Thickness(const DesignConditions& c, int row) {
    return std::stod(row <= 3 || (row >= 7 && row <= 9) ? c.TL : row <= 6 ? c.Tu : c.Tb) * 1000;
}

double Cover(const DesignConditions& c, int row) {
    if (row >= 10) return std::stod(row == 11 ? c.dBottomUpper : c.dBottomLower) * 1000;
    return std::stod(row >= 4 && row <= 6 ? c.dTop : c.dWall) * 1000;
}

TEST(SectionChecks, AgreeWithTheSectionGridAndTheirVerdictOverRandomDesigns) {
    std::mt19937 random(20261210);
    int completed = 0, failing = 0;
    for (int k = 0; k < 300; ++k) {
        const DesignConditions c = random_design::RandomDesign(random);
        RunResult result;
        const CalcTable table = RunOf(c, result);
        if (result != RunResult::Completed) continue;
        ++completed;
        const Grid& grid = table.GridOf("StringGrid5");
        const Grid& design = table.GridOf("StringGrid3");
        ASSERT_TRUE(table.checks);
        for (int row = 1; row <= 12; ++row) {
            SCOPED_TRACE(std::to_string(k) + " " + grid.Cell(0, row));
            const SectionCheck& check = (*table.checks)[row - 1];
            EXPECT_NEAR(check.h, Thickness(c, row), 1e-3);
            EXPECT_NEAR(check.d, Thickness(c, row) - Cover(c, row), 1e-3);
            EXPECT_EQ(grid.Cell(kVerdict, row), design.Cell(13, row));
            for (int f = 0; f < 3; ++f) EXPECT_EQ(grid.Cell(kM + f, row), design.Cell(1 + f, row));

            const std::string& verdict = design.Cell(13, row);
            if (verdict == "-") {
                for (const auto& u : check.utilisation) EXPECT_FALSE(u);
                continue;
            }
            EXPECT_DOUBLE_EQ(check.allowable[0].value(), SigmaCaOf(c, row));
            // The verdict is "NO" exactly where a stress exceeds its allowable value (or
            // cannot be formed); equality passes.
            bool exceeded = false;
            for (const auto& u : check.utilisation) exceeded = exceeded || (u && *u > 1);
            EXPECT_EQ(exceeded, verdict == "NO");
            failing += exceeded;
            // Each ratio printed is the printed stress over the printed allowable value.
            const int stressColumns[] = {9, 10, 11, 12};
            for (int criterion = 0; criterion < kCriterionCount; ++criterion) {
                const std::string& ratio = grid.Cell(kSigmaC + 2 * criterion, row);
                const std::string& stress = design.Cell(stressColumns[criterion], row);
                if (!check.utilisation[criterion] || ratio == "計算不能" || stress == "-" ||
                    stress.find(',') != std::string::npos)
                    continue;
                const double limit = *check.allowable[criterion];
                const double printedTo = criterion == 1 ? 1 : criterion == 0 ? 0.1 : 0.01;
                EXPECT_NEAR(std::stod(ratio), std::stod(stress) / limit,
                            printedTo / 2 / limit + 0.0005);
            }
        }
    }
    EXPECT_GT(completed, 200);
    EXPECT_GT(failing, 10);  // both verdicts occur
}

}  // namespace
