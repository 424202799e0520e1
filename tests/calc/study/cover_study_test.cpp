// The figure and the governing-cover table of a cover study, from results made by hand.
#include "calc/study/cover_study.h"

#include <gtest/gtest.h>

namespace {

// A completed design whose one section has the given utilisations.
DesignResult Result(int loadCase, std::array<std::optional<double>, kCriterionCount> u,
                    int section = 0) {
    DesignResult r;
    r.loadCase = loadCase;
    r.sections[section].utilisation = u;
    r.governingSection = section;
    for (int c = 0; c < kCriterionCount; ++c)
        if (u[c] && *u[c] > r.maxUtilisation) {
            r.maxUtilisation = *u[c];
            r.governingCriterion = static_cast<Criterion>(c);
        }
    return r;
}

CoverStudy Study() {
    CoverStudy study;
    study.covers = {1.0, 2.0, 3.0, 4.0, 5.0};
    study.results = {Result(1, {0.5, 1.4, 0.3, 0.2}, 4), Result(1, {0.6, 0.9, 0.3, 0.25}),
                     Result(1, {0.7, 0.8, 0.2, 0.3}), Result(4, {0.9, 0.7, {}, 0.3}, 7),
                     Result(4, {0.95, 0.7, {}, 0.3}, 7)};
    study.results[2].status = RunResult::CheckFailed;  // a gap in every curve
    study.inputCover = 4.2;
    return study;
}

}  // namespace

TEST(CoverStudy, FigureShowsLimitCurvesLoadCasesAndTheInputCover) {
    const Chart chart = CoverStudyChart(Study());
    EXPECT_FALSE(chart.bottom.automatic);
    EXPECT_DOUBLE_EQ(chart.bottom.minimum, 1.0);
    EXPECT_DOUBLE_EQ(chart.bottom.maximum, 5.0);
    EXPECT_NEAR(chart.left.maximum, 1.4 * 1.1, 1e-12);

    const Series* limit = chart.Find("1.0");
    ASSERT_TRUE(limit);
    for (const auto& p : limit->points) EXPECT_EQ(p.y, 1.0);

    // The failed design leaves a gap. Each name stands at its own place along the range, at a
    // drawn point: σs/σsa at 35 % (the second cover), τ/2τa at 55 % (the gap: the one
    // before), 最大 at the end.
    const Series* sigmaS = chart.Find("σs/σsa");
    ASSERT_TRUE(sigmaS && sigmaS->points.size() == 5);
    EXPECT_TRUE(std::isnan(sigmaS->points[2].y));
    EXPECT_EQ(sigmaS->points[1].label, "σs/σsa");
    EXPECT_EQ(chart.Find("τ/2τa")->points[1].label, "τ/2τa");
    EXPECT_EQ(chart.Find("最大")->points[4].label, "最大");
    EXPECT_DOUBLE_EQ(chart.Find("最大")->points[0].y, 1.4);

    // One boundary between case 1 and case 4, half-way between 3 and 4 m, and both names.
    const Series* bounds = chart.Find("荷重ケース境界");
    ASSERT_EQ(bounds->points.size(), 3u);
    EXPECT_DOUBLE_EQ(bounds->points[0].x, 3.5);
    std::vector<std::string> names;
    for (const auto& p : chart.Find("荷重ケース")->points)
        if (p.label != " ") names.push_back(p.label);
    EXPECT_EQ(names, (std::vector<std::string>{"ケース1", "ケース4"}));

    const Series* marker = chart.Find("入力");
    ASSERT_TRUE(marker);
    EXPECT_DOUBLE_EQ(marker->points[0].x, 4.2);
    EXPECT_EQ(marker->points[1].label, "入力 h1=4.20");
}

TEST(CoverStudy, TableGivesTheCoverAndSectionThatGovernEachCriterion) {
    const Grid grid = GoverningCoverGrid(Study());
    ASSERT_EQ(grid.rows, 6);
    const std::vector<std::vector<std::string>> expected = {
        {"σc/σca", "0.950", "5.00", "側壁(R)M"}, {"σs/σsa", "1.400", "1.00", "頂版M"},
        {"τ/2τa", "0.300", "1.00", "頂版M"},     {"τ2d/τa", "0.300", "4.00", "側壁(R)M"},
        {"最大", "1.400", "1.00", "頂版M"},
    };
    for (int row = 1; row < grid.rows; ++row) EXPECT_EQ(grid.cells[row], expected[row - 1]);

    // A range in millimetres names its governing cover to 0.01 m.
    CoverStudy fine;
    fine.covers = {2.004, 2.996};
    fine.results = {Result(1, {0.5, 0.4, 0.3, 0.2}), Result(1, {0.6, 0.4, 0.3, 0.2})};
    EXPECT_EQ(GoverningCoverGrid(fine).Cell(2, 5), "3.00");
    EXPECT_EQ(GoverningCoverGrid(fine).Cell(2, 2), "2.00");

    CoverStudy nothing;
    nothing.covers = {1.0};
    nothing.results = {DesignResult{}};
    nothing.results[0].status = RunResult::CheckFailed;
    EXPECT_EQ(GoverningCoverGrid(nothing).cells[1],
              (std::vector<std::string>{"σc/σca", "-", "-", "-"}));
}
