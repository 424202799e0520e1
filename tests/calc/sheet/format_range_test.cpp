// Numbers at the ends of their ranges: the decimal expansion stays exact from the smallest
// subnormal to the largest finite value, for 4-byte floats and for extended values.
#include <gtest/gtest.h>

#include <limits>

#include "calc/sheet/format_line.h"

namespace {

TEST(FormatLine, ExactAtTheEndsOfTheFloatRange) {
    const float largest = std::numeric_limits<float>::max();
    const float smallest = std::numeric_limits<float>::denorm_min();
    // 2^128 − 2^104 = 340282346638528859811704183484516925440: 18 digits, the 19th rounds up.
    EXPECT_EQ(FormatLine("0"_pattern, largest), "340282346638528860000000000000000000000");
    EXPECT_EQ(FormatLine("#,0"_pattern, -largest),
              "-340,282,346,638,528,860,000,000,000,000,000,000,000");
    // 2^-149 = 1.40129846432481707…e-45.
    EXPECT_EQ(FormatLine("0.00E+00"_pattern, smallest), "1.40E-45");
    EXPECT_EQ(FormatLine("0.000000000000000000000000000000000000000000000000"_pattern, smallest),
              "0.000000000000000000000000000000000000000000001401");
    EXPECT_EQ(FormatLine("0.00;-0.00;\"zero\""_pattern, -smallest), "zero");
}

TEST(FormatFloat, ExactAtTheEndsOfTheExtendedRange) {
    if (std::numeric_limits<long double>::max_exponent != 16384) GTEST_SKIP();
    // 1.18973149535723176502e+4932 and 3.64519953188247460253e-4951.
    EXPECT_EQ(FormatFloat("0.00E+00"_pattern, std::numeric_limits<long double>::max()),
              "1.19E+4932");
    EXPECT_EQ(FormatFloat("0.00000E+0"_pattern, std::numeric_limits<long double>::denorm_min()),
              "3.64520E-4951");
    EXPECT_EQ(FormatFloat("0.0E+0"_pattern, -std::numeric_limits<long double>::min()),
              "-3.4E-4932");
}

TEST(FormatLine, EighteenSignificantDigitsDecideTheRounding) {
    // 0.1 as a float is 0.100000001490116119384765625: with seventeen decimals its 18th digit,
    // 9, rounds the 17th up.
    EXPECT_EQ(FormatLine("0.00000000000000000"_pattern, 0.1), "0.10000000149011612");
    // 1/3 as a float is 0.3333333432674407958984375; digits beyond the 18th only round it.
    EXPECT_EQ(FormatLine("0.0000000000000000000000000"_pattern, 1.0 / 3),
              "0.3333333432674407960000000");
}

}  // namespace
