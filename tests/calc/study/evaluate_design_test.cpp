// The numbers-only evaluation against the full run: over seeded random input pages, with some
// entries spoilt so that checks, conversion and floating-point errors occur too, it shows what
// the section-design grid and its verdict label show, and it gives the same on many threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "calc/sheet/format_line.h"
#include "calc/study/design_result.h"
#include "tests/calc/random_design.h"

namespace {

constexpr int kDesigns = 2000;

// One design in eight gets one entry that fails a check, cannot be read or overflows.
DesignConditions SpoiltOrNot(std::mt19937& random) {
    DesignConditions c = random_design::RandomDesign(random);
    const int spoil = std::uniform_int_distribution<int>(0, 63)(random);
    switch (spoil) {
        case 0:
            c.h1 = "-1";
            break;
        case 1:
            c.Tu = "abc";
            break;
        case 2:
            c.sigmaSa = "100";
            break;
        case 3:
            c.Ko = "1e300";
            break;
        case 4:
            c.B = "3e38";
            break;
        case 5:
            c.dWall = "0.01";
            break;
        case 6:
            c.q = "1e300", c.liveLoad = 3;
            break;
        case 7:
            c.tWeight = "1e307", c.liveLoad = 0;
            break;
        case 8:
            c.tAxleDistance = "1e300", c.liveLoad = 0;
            break;
        case 9:
            c.q = "1e300", c.liveLoad = 0;
            break;
        default:
            break;
    }
    return c;
}

std::string Text(std::string_view pattern, std::optional<float> value) {
    return value ? FormatLine(pattern, *value) : "-";
}

// What the run writes into the grid for one section, from the evaluation's numbers.
std::vector<std::string> RowOf(const SectionResult& s, int row) {
    const bool middle = row % 3 == 2;
    const bool rightWall = row >= 7 && row <= 9;
    constexpr Pattern force = "+0.00;-0.00"_pattern;
    return {FormatLine(force, s.M),
            FormatLine(force, s.N),
            FormatLine(force, s.S),
            middle ? "---" : FormatLine(force, s.S2d),
            Text("0", s.Asn),
            FormatLine("0"_pattern, s.As),
            FormatLine("D00"_pattern, s.diameter),
            FormatLine("@000"_pattern, s.pitch),
            Text(rightWall ? "#0.0" : "0.0", s.sigmaC),
            Text(rightWall ? "0" : "#,##0", s.sigmaS),
            Text(rightWall ? "#0.00" : "0.00", s.tau),
            Text(rightWall ? "#0.00" : "0.00", s.tau2d),
            s.verdict};
}

std::vector<std::string> GridRow(const Grid& grid, int row) {
    std::vector<std::string> cells;
    for (int column = 1; column <= 13; ++column) cells.push_back(grid.Cell(column, row));
    return cells;
}

}  // namespace

TEST(EvaluateDesign, AgreesWithTheFullRunOverRandomDesigns) {
    std::mt19937 random(1209);
    int completed = 0, failing = 0;
    for (int n = 0; n < kDesigns; ++n) {
        const DesignConditions conditions = SpoiltOrNot(random);
        CalcTable table;
        RecordingMessenger messenger;
        const RunResult status = RunCalculation(conditions, table, messenger);
        const DesignResult result = EvaluateDesign(conditions);
        SCOPED_TRACE("design " + std::to_string(n));
        ASSERT_EQ(result.status, status);
        ASSERT_EQ(result.messages, messenger.messages);
        if (status != RunResult::Completed) continue;
        ++completed;

        const Grid& grid = table.GridOf("StringGrid3");
        for (int row = 1; row <= kDesignSectionCount; ++row)
            ASSERT_EQ(RowOf(result.sections[row - 1], row), GridRow(grid, row)) << "row " << row;
        ASSERT_EQ(result.passed, table.passed);

        // A section over a limit is over it in its utilisation too, and a passing design has
        // every utilisation within its limit.
        failing += !result.passed;
        if (result.passed) {
            EXPECT_LE(result.maxUtilisation, 1.0);
        }
        for (const SectionResult& s : result.sections) {
            double largest = 0;
            for (const auto& u : s.utilisation)
                if (u) largest = std::max(largest, *u);
            if (s.verdict == "NO") {
                EXPECT_GE(largest, 1.0);
            }
            EXPECT_LE(largest, result.maxUtilisation);
        }
    }
    EXPECT_GT(completed, kDesigns * 3 / 4);
    EXPECT_GT(failing, 0);
}

TEST(EvaluateDesign, ManyThreadsGiveWhatOneThreadGives) {
    std::mt19937 random(31);
    std::vector<DesignConditions> designs;
    for (int n = 0; n < 200; ++n) designs.push_back(SpoiltOrNot(random));
    std::vector<DesignResult> alone;
    for (const DesignConditions& c : designs) alone.push_back(EvaluateDesign(c));

    constexpr int kThreads = 4;
    std::vector<std::vector<DesignResult>> together(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            // Each thread walks the designs from its own starting point, so that a design that
            // stops with a floating-point error runs beside ones that do not.
            together[t].resize(designs.size());
            for (std::size_t k = 0; k < designs.size(); ++k) {
                const std::size_t n = (k + t * designs.size() / kThreads) % designs.size();
                together[t][n] = EvaluateDesign(designs[n]);
            }
        });
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_TRUE(together[t] == alone) << "thread " << t;
}
