// Numbers in report lines: the single-precision step, the sections, placeholders, grouping,
// literals and sign rules of the pattern language.
#include "calc/sheet/format_line.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string_view pattern;
    double value;
    const char* expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
    for (const auto& c : cases)
        EXPECT_EQ(FormatLine(c.pattern, c.value), c.expected)
            << "pattern '" << c.pattern << "' value " << c.value;
}

}  // namespace

TEST(FormatLine, PatternFamiliesOfTheSheets) {
    ExpectAll({
        {"0.00kN/m2", 12.345, "12.35kN/m2"},
        {"0.000kN/m2", 12.345, "12.345kN/m2"},
        {"0.00kN/m3", 18, "18.00kN/m3"},
        {"0.0kN", 25, "25.0kN"},
        {"0.00m", 4.4, "4.40m"},
        {"0.00m)", 4.4, "4.40m)"},
        {"#,0mm", 4200, "4,200mm"},
        {"0mm", 100, "100mm"},
        {"0.00kNm", -12.5, "-12.50kNm"},
        {"0.00", 0.9, "0.90"},
        {"0N/mm2", 160, "160N/mm2"},
        {"+0.000kNm;-0.000kNm", -0.0123, "-0.012kNm"},
        {"+0.000kNm;-0.000kNm", 0.5, "+0.500kNm"},
        {"D00", 13, "D13"},
        {"D00", 6, "D06"},
        {"@000", 250, "@250"},
        {"@00", 250, "@250"},
        {"③D00", 16, "③D16"},
        {"L3①D00", 22, "L3①D22"},
        {"#,##0", 12345, "12,345"},
        {"#,0", 1234567, "1,234,567"},
        {"#0.0", 0.25, "0.3"},
        {"#0.00", 7, "7.00"},
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
    });
}

TEST(FormatLine, SignedLinesWithTwoLabelledSections) {
    ExpectAll({
        {"    A =+0.000kNm;  A=-0.000kNm", -1.2346, "  A=-1.235kNm"},
        {"    A =+0.000kNm;  A=-0.000kNm", 2, "    A =+2.000kNm"},
        {"    A =+0.000kNm;  A=-0.000kNm", -0.0004, "    A =+0.000kNm"},
        {"    Θa=+0.000;    Θa=-0.000", -0.5, "    Θa=-0.500"},
        {"    R  =+0.000;  R  =-0.000", 0, "    R  =+0.000"},
    });
}

TEST(FormatLine, NegativeUnderOneSectionTakesTheMinusBeforeAllText) {
    ExpectAll({
        {"    ΣMa=Mab+Mad               =0.000kNm", -0.0123,
         "-    ΣMa=Mab+Mad               =0.012kNm"},
        {"0.000kNm", -0.0004, "0.000kNm"},
        {"+0.000kNm;-0.000kNm", -0.0004, "+0.000kNm"},
        {"0.00;;zero", -3, "-3.00"},
    });
}

TEST(FormatLine, ZeroSectionTakesValuesThatRoundToZero) {
    ExpectAll({
        {"0.00;-0.00;\"nil\"", 0, "nil"},
        {"0.00;-0.00;\"nil\"", -0.004, "nil"},
        {"0.00;-0.00;\"nil\"", 0.004, "nil"},
        {"0.00;-0.00;", 0.004, "0.00"},
        {"0.00;-0.00;\"nil\"", 0.006, "0.01"},  // 0.005 is 0.00499999… as a float
    });
}

TEST(FormatLine, RoundsHalfAwayFromZeroOnTheSinglePrecisionValue) {
    ExpectAll({
        {"0.00", 0.125, "0.13"},    // exactly representable tie goes up
        {"0.00", 2.675, "2.67"},    // 2.67499995… as a float
        {"0.00", 12.345, "12.35"},  // 12.3450002… as a float
        {"0.0", 0.45, "0.4"},       // 0.449999988… as a float
        {"0.00", -0.125, "-0.13"},
        {"0", 0.5, "1"},
        {"0.00", 99.995, "100.00"},  // carry into a new integer digit
    });
}

TEST(FormatLine, PlaceholdersAndGrouping) {
    ExpectAll({
        {"#,0mm", 12000, "12,000mm"},
        {"0mm", 12000, "12000mm"},
        {"#,0mm", 999, "999mm"},
        {"#,0mm", -1234.4, "-1,234mm"},
        {"00000", 42, "00042"},
        {"#.##", 0.5, ".5"},
        {"0.##", 1, "1"},
        {"0.0#", 1.25, "1.25"},
        {"0.0#", 1.2, "1.2"},
        {"0", 1e30, "1000000015047466220000000000000"},  // at most 18 significant digits
        {"kN", 5, "kN"},
    });
}

TEST(FormatLine, QuotedTextIsCopiedWithoutQuotes) {
    ExpectAll({
        {"'0.0'0.0", 1.5, "0.01.5"},
        {"\"#;\"0", 7, "#;7"},
        {"0' kN'", 3, "3 kN"},
    });
}

TEST(FormatLine, ExponentNotation) {
    ExpectAll({
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.0E-0", 0.00126, "1.3E-3"},
        {"0.0E-0", 125, "1.3E2"},
    });
}

TEST(FormatFloat, WritesWithoutTheSinglePrecisionStep) {
    EXPECT_EQ(FormatFloat("0.00"_pattern, 2.675L), "2.68");
    EXPECT_EQ(FormatLine("0.00"_pattern, 2.675), "2.67");
}

// Single-precision values take a shortcut in fixed notation; the extended path, given the same
// value, is the reference. Random bit patterns cover every magnitude, values next to the
// midpoints of each decimal the hard roundings.
TEST(FormatLine, AgreesWithTheExtendedPathOnEverySinglePrecisionValue) {
    const char* const patterns[] = {"0",
                                    "0.0",
                                    "0.00kN",
                                    "#,0.000",
                                    "0.0000",
                                    "#.#####",
                                    "0.000000",
                                    "0.0000000",
                                    "0.00000000",
                                    "#,##0.000000000",
                                    "0.0000000000",
                                    "+0.000;-0.000;'zero'",
                                    "  A =0.00m",
                                    "00000.0#",
                                    "#,00000000000000000000000000.0",
                                    "0.00E+00"};
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> decimals(0, 10);
    for (int k = 0; k < 200000; ++k) {
        float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (!std::isfinite(value)) continue;
        if (k % 2 == 1) {  // the float next to a midpoint of the last decimal
            const double unit = std::pow(10.0, -decimals(random));
            const double midpoint =
                (std::floor(std::fmod(std::fabs(value), 1e6) / unit) + 0.5) * unit;
            value = std::nextafter(static_cast<float>(midpoint), random() % 2 ? 0.0f : 1e9f);
        }
        const std::string_view pattern = patterns[random() % std::size(patterns)];
        ASSERT_EQ(FormatLine(pattern, value), FormatFloat(pattern, value))
            << "pattern '" << pattern << "' value " << std::hexfloat << value;
    }
}

// Sections whose number is only placeholders, separators and points take a shortcut; an empty
// quoted literal at the end of each section that has text changes nothing written but sends it
// the long way.
TEST(FormatLine, PlainNumbersAgreeWithTheGeneralRendering) {
    const std::vector<std::vector<std::string>> patterns = {{"0"},
                                                            {"0.00kN"},
                                                            {"  Bo (ﾗｰﾒﾝ軸幅)  =0.000m"},
                                                            {"#,##0.00"},
                                                            {"#,0mm"},
                                                            {"0,0"},
                                                            {"#.##"},
                                                            {".00"},
                                                            {"00000.0#"},
                                                            {"0.0.0"},
                                                            {"#,##0.0,0"},
                                                            {"D00"},
                                                            {"@000", "-@000", "nil"},
                                                            {"+0.000kNm", "-0.000kNm"},
                                                            {"0.00", "", "zero"},
                                                            {"    A =+0.000kNm", "  A=-0.000kNm"}};
    std::mt19937 random(1209);
    std::uniform_real_distribution<double> exponent(-12, 12);
    for (int k = 0; k < 100000; ++k) {
        const auto& sections = patterns[random() % patterns.size()];
        std::string plain, quoted;
        for (std::size_t j = 0; j < sections.size(); ++j) {
            plain += (j ? ";" : "") + sections[j];
            quoted += (j ? ";" : "") + sections[j] + (sections[j].empty() ? "" : "''");
        }
        const double value = (random() % 2 ? 1 : -1) * std::pow(10.0, exponent(random));
        ASSERT_EQ(FormatLine(plain, value), FormatLine(quoted, value))
            << "pattern '" << plain << "' value " << value;
    }
}

// A literal pattern is parsed while compiling, other text where it is formatted: both ways
// write the same, on the patterns of the sheets and on values of every size and sign.
TEST(FormatLine, LiteralPatternsAgreeWithTheSameTextMadeWhileRunning) {
    constexpr Pattern literals[] = {"  Cab=------･(2･Ph3+3･Ph4) =0.00kNm"_pattern,
                                    "+0.000kNm;-0.000kNm"_pattern,
                                    "#,0mm"_pattern,
                                    "#,##0"_pattern,
                                    "    A =+0.000kNm;  A=-0.000kNm"_pattern,
                                    "0.00E+00"_pattern,
                                    "+0.000;-0.000;'zero'"_pattern,
                                    "00000.0#"_pattern};
    std::mt19937 random(91209);
    std::uniform_real_distribution<double> exponent(-8, 8);
    for (int k = 0; k < 20000; ++k) {
        const Pattern& literal = literals[random() % std::size(literals)];
        const std::string text(literal.Text());
        const double value = (random() % 2 ? 1 : -1) * std::pow(10.0, exponent(random));
        ASSERT_EQ(FormatLine(literal, value), FormatLine(text, value))
            << "pattern '" << text << "' value " << value;
    }
}
