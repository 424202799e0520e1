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
        // A Single holds about seven digits, a Double about sixteen.
        {"h1=1:1.000000001:1e-10",
         "a step of 1e-10 is finer than h1 tells apart near 1.0000000001"},
        {"Tu=1000:1000.001:0.00001", "finer than Tu tells apart near 1000.00001"},
        {"q=1:1.000000000000001:1e-17", "finer than q tells apart near 1"},
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
    EXPECT_EQ(rows.Values(0), std::vector<std::string>{"0.5"});
    EXPECT_EQ(rows.Values(3), std::vector<std::string>{"0.8"});
    EXPECT_EQ(rows.Values(115), std::vector<std::string>{"12"});

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
    EXPECT_EQ(rows.Values(1), (std::vector<std::string>{"1", "5"}));
    EXPECT_EQ(rows.Values(3), (std::vector<std::string>{"2", "4"}));
    const DesignConditions conditions = WithValues(DesignConditions{}, ranges, rows.Values(5));
    EXPECT_EQ(conditions.h1, "2");
    EXPECT_EQ(conditions.tAxleDistance, "6");
    EXPECT_EQ(conditions.Tu, DesignConditions{}.Tu);
}

// Each value is the decimal FROM + k·STEP, written so that it reads back as that decimal typed.
TEST(SweepRange, ValuesAreTheDecimalsTheRangeNames) {
    std::mt19937 random(11);
    std::uniform_int_distribution<long long> mantissa(-99'999'999, 99'999'999);
    std::uniform_int_distribution<long long> stepMantissa(1, 9'999);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int n = 0; n < 300; ++n) {
        const long long a = mantissa(random), b = stepMantissa(random);
        const int e = exponent(random);
        const std::string scale = "e" + std::to_string(e);
        const std::string text = "q=" + std::to_string(a) + scale + ":" +
                                 std::to_string(a + 40 * b) + scale + ":" + std::to_string(b) +
                                 scale;
        std::string error;
        const auto range = ParseSweepRange(text, error);
        ASSERT_TRUE(range) << text << ": " << error;
        ASSERT_EQ(ValueCount(*range), 41u) << text;
        const auto values = RangeValues(*range);
        for (std::size_t k = 0; k < values.size(); ++k) {
            const std::string typed = std::to_string(a + static_cast<long long>(k) * b) + scale;
            const std::string written = ValueText(*range, k);
            EXPECT_EQ(ParseDouble(written, "q"), ParseDouble(typed, "q")) << text << " " << k;
            EXPECT_EQ(values[k], ParseDouble(typed, "q"));
        }
    }
    // Far beyond what a box holds, the value is still the one named, to be refused as typed.
    std::string error;
    const auto huge = ParseSweepRange("q=1e100:2e100:1e99", error);
    ASSERT_TRUE(huge) << error;
    EXPECT_EQ(ValueText(*huge, 0), "1e+100");
    EXPECT_EQ(ValueText(*huge, 3), "1.3e+100");
    EXPECT_EQ(RangeValues(*ParseSweepRange("h1=1:1.0000001:0.0000001", error)),
              (std::vector<double>{1, 1.0000001}));
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
