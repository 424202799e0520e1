// The strict decimal conversion accepts what an engineer types and nothing a careless parser
// would let through.
#include "calc/decimal.h"

#include <gtest/gtest.h>

TEST(Decimal, AcceptsSignDigitsPointExponentAndBlanks) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {{"4.20", 4.2}, {" 4.2 ", 4.2}, {"-1", -1.0},     {"+0.5", 0.5},    {".5", 0.5},
                 {"5.", 5.0},   {"1e3", 1000},  {"2.5E-1", 0.25}, {"\t18\t", 18.0}, {"0", 0.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(ParseDouble(c.text, "f"), c.value) << c.text;
}

TEST(Decimal, RejectsWhatIsNoNumberAndNamesTextAndField) {
    for (const char* text : {"", " ", "nan", "inf", "-inf", "0x10", "4,2", "1e", "e5", ".", "+",
                             "1.2.3", "12a", "1 2", "１２", "1e999", "-1e400"}) {
        try {
            ParseDouble(text, "土かぶり");
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.text(), text);
            EXPECT_EQ(error.field(), "土かぶり");
            EXPECT_NE(std::string(error.what()).find("土かぶり"), std::string::npos);
        }
    }
}

TEST(Decimal, SingleFieldRejectsValuesBeyondFloatRange) {
    EXPECT_FLOAT_EQ(ParseSingle("3.4e38", "H"), 3.4e38f);
    EXPECT_THROW(ParseSingle("3.5e38", "H"), ConversionError);
    EXPECT_THROW(ParseSingle("-1e39", "H"), ConversionError);
    EXPECT_DOUBLE_EQ(ParseDouble("1e39", "q"), 1e39);
}

TEST(Decimal, IntegersForChoiceIndices) {
    EXPECT_EQ(ParseInteger("2", "x"), 2);
    EXPECT_EQ(ParseInteger(" -1 ", "x"), -1);
    for (const char* text : {"", "1.0", "two", "99999999999", "+"})
        EXPECT_THROW(ParseInteger(text, "x"), ConversionError) << text;
}
