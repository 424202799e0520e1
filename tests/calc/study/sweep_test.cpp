// Sweep ranges, the values they give and the work spread over threads.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

#include "calc/decimal.h"
#include "calc/study/study_table.h"

TEST(SweepRange, TextsThatAreNoRangeSayWhy) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"h1", "NAME=FROM:TO:STEP"},
        {"h1=0.5:12", "NAME=FROM:TO:STEP"},
        {"h1=0.5:12:0.1:3", "NAME=FROM:TO:STEP"},
        {"cover=0.5:12:0.1", "no input is named 'cover'"},
        {"H1=0.5:12:0.1", "no input is named 'H1'"},
        {"h1=0,5:12:0.1", "'0,5' is no number"},
        {"h1=0.5:12:", "'' is no number"},
        {"h1=0.5:12:0", "step must be greater than 0"},
        {"h1=0.5:12:-0.1", "step must be greater than 0"},
        {"h1=12:0.5:0.1", "TO must not be below FROM"},
        {"h1=0:1000:0.0001", "more than"},
    };
    for (const auto& [text, reason] : cases) {
        std::string error;
        EXPECT_FALSE(ParseSweepRange(text, error)) << text;
        EXPECT_NE(error.find(reason), std::string::npos) << text << ": " << error;
    }
}

TEST(SweepRange, ValuesReachTheEndWithoutDrift) {
    std::string error;
    const auto range = ParseSweepRange("h1=0.5:12:0.1", error);
    ASSERT_TRUE(range) << error;
    EXPECT_EQ(range->input->field, &DesignConditions::h1);
    const auto values = RangeValues(*range);
    ASSERT_EQ(values.size(), 116u);
    const StudyTable rows({*range});
    ASSERT_EQ(rows.size(), 116u);
    EXPECT_EQ(rows.Values(0), std::vector<std::string>{"0.50"});
    EXPECT_EQ(rows.Values(3), std::vector<std::string>{"0.80"});
    EXPECT_EQ(rows.Values(115), std::vector<std::string>{"12.00"});

    // An end the steps do not reach is left out; a single value is a range too.
    EXPECT_EQ(RangeValues(*ParseSweepRange("Tu=0.2:0.55:0.1", error)).size(), 4u);
    EXPECT_EQ(RangeValues(*ParseSweepRange("Ko=0.5:0.5:1", error)).size(), 1u);
}

TEST(SweepRange, TwoRangesMakeAGridTheFirstVaryingSlowest) {
    std::string error;
    const std::vector<SweepRange> ranges = {*ParseSweepRange("h1=1:2:1", error),
                                            *ParseSweepRange("tAxle=4:6:1", error)};
    const StudyTable rows(ranges);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.Values(1), (std::vector<std::string>{"1.00", "5.00"}));
    EXPECT_EQ(rows.Values(3), (std::vector<std::string>{"2.00", "4.00"}));
    const DesignConditions conditions = WithValues(DesignConditions{}, ranges, rows.Values(5));
    EXPECT_EQ(conditions.h1, "2.00");
    EXPECT_EQ(conditions.tAxleDistance, "6.00");
    EXPECT_EQ(conditions.Tu, DesignConditions{}.Tu);
}

TEST(DecimalText, ReadsBackAsTheSameNumberWithTwoDecimalsAtLeast) {
    EXPECT_EQ(DecimalText(0.4), "0.40");
    EXPECT_EQ(DecimalText(0.5 + 3 * 0.1), "0.80");
    EXPECT_EQ(DecimalText(0.125), "0.125");
    EXPECT_EQ(DecimalText(-1e-12), "0.00");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> digits(-2'000'000, 2'000'000);
    std::uniform_int_distribution<int> places(0, 6);
    for (int k = 0; k < 5000; ++k) {
        const double value = digits(random) / std::pow(10.0, places(random));
        const std::string text = DecimalText(value);
        EXPECT_NEAR(ParseDouble(text, "x"), value, 1e-12 * std::max(1.0, std::abs(value))) << text;
    }
}

TEST(ParallelFor, EveryItemOnceAndAnEarlyEndKeepsEverythingBeforeIt) {
    for (unsigned threads : {1u, 2u, 5u}) {
        StudyControl control;
        control.threads = threads;
        std::vector<std::atomic<int>> calls(1000);
        EXPECT_TRUE(ParallelFor(
            calls.size(), [&](std::size_t i) { return ++calls[i], true; }, control));
        for (const auto& count : calls) EXPECT_EQ(count, 1);

        // Item 613 ends the work: every item before it is still done.
        std::vector<std::atomic<int>> early(1000);
        EXPECT_TRUE(ParallelFor(
            early.size(), [&](std::size_t i) { return ++early[i], i != 613; }, control));
        for (std::size_t i = 0; i <= 613; ++i) EXPECT_EQ(early[i], 1) << i;
    }
}

TEST(ParallelFor, CancelledWorkSaysSoAndAFailureReachesTheCaller) {
    std::atomic<bool> cancel{false};
    StudyControl control;
    control.cancel = &cancel;
    control.threads = 2;
    std::size_t reported = 0;
    control.progress = [&](std::size_t done, std::size_t total) {
        reported = done;
        EXPECT_EQ(total, 400u);
    };
    EXPECT_FALSE(ParallelFor(
        400, [&](std::size_t i) { return i == 100 ? (cancel = true, true) : true; }, control));
    EXPECT_LT(reported, 400u);

    control.cancel = nullptr;
    EXPECT_THROW(ParallelFor(
                     400,
                     [](std::size_t i) -> bool {
                         if (i == 250) throw std::runtime_error("stage failed");
                         return true;
                     },
                     control),
                 std::runtime_error);
}

// A million designs, with their table and its values, are held in well under 500 MB.
TEST(StudyTable, AMillionDesignsFitInWellUnder500MB) {
    std::string error;
    const auto range = ParseSweepRange("h1=0.001:1000:0.001", error);
    ASSERT_TRUE(range) << error;
    ASSERT_EQ(RangeValues(*range).size(), 1'000'000u);
    EXPECT_LT(StudyTable::Footprint({*range}), 400u << 20);
}
