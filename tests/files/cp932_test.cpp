// CP932 conversion keeps every character the reports use and refuses what it cannot hold;
// padding counts CP932 bytes.
#include "files/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsTheCharactersOfTheReports) {
    struct Case {
        const char* utf8;
        const char* cp932;  // from the CP932 code table
    } cases[] = {
        {"①②③④⑤", "\x87\x40\x87\x41\x87\x42\x87\x43\x87\x44"},
        {"ⅠⅡⅢⅣⅤ", "\x87\x54\x87\x55\x87\x56\x87\x57\x87\x58"},
        {"～－─", "\x81\x60\x81\x7c\x84\x9f"},
        {"ﾄﾞﾙﾒﾀ･", "\xc4\xde\xd9\xd2\xc0\xa5"},
        {"　σc(N/mm2)",
         "\x81\x40\x83\xd0"
         "c(N/mm2)"},
        {"SD345 \\~", "SD345 \\~"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToCp932(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(FromCp932(c.cp932), c.utf8) << c.utf8;
    }
}

TEST(Cp932, TextWithoutCounterpartIsAnErrorNamingIt) {
    for (const char* text : {"€ 12", "😀", "ok \xff"}) {
        try {
            ToCp932(text);
            ADD_FAILURE() << "converted " << text;
        } catch (const EncodingError& error) {
            EXPECT_NE(std::string(error.what()).find(text), std::string::npos);
        }
    }
    // A lead byte cut off at the end, and a lead byte followed by no valid trail byte.
    for (const char* bytes : {"ab\x81", "\x81\x20x"}) EXPECT_THROW(FromCp932(bytes), EncodingError);
}

TEST(Cp932, PadLeftCountsCp932BytesAndNeverCuts) {
    struct Case {
        const char* text;
        const char* padded;
    } cases[] = {
        {"NO", "        NO"},
        {"径", "        径"},            // 2 bytes
        {"ﾋﾟｯﾁ", "      ﾋﾟｯﾁ"},          // 4 half-width bytes
        {"σc(N/mm2)", "σc(N/mm2)"},      // exactly 10 bytes
        {"側壁(L)M", "  側壁(L)M"},      // 8 bytes
        {"12345678901", "12345678901"},  // longer: unchanged
        {"", "          "},
    };
    for (const auto& c : cases) EXPECT_EQ(PadLeft(c.text, 10), c.padded) << c.text;
}
