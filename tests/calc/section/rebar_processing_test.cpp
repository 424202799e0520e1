// Processing dimensions of the main bars: the worked example, the roundings, the table and
// the sheet.
#include "calc/section/rebar_processing.h"

#include <gtest/gtest.h>

#include "calc/section/rebar_lengths.h"

namespace {

// H = B = 3.00 m, covers 0.10 m (top, walls) and 0.11 m (bottom), both outer bars D16.
TKakou SmallBox() {
    TKakou record;
    record.H = record.B = 3.00f;
    record.dTop = record.dWall = 0.10f;
    record.dBottomLower = 0.11f;
    record.sigmaSaJoint = 200;
    record.tauOa = 1.6;
    return record;
}

const BarSchedule kSchedule = {1, 250, 16, 16, 13, 19, 22};

}  // namespace

TEST(RebarProcessing, NextMultipleOf50IsStrictlyAbove) {
    struct Case {
        double length;
        float result;
    } cases[] = {{1200, 1250},      {1249, 1250}, {1250, 1300}, {1299.9, 1300},
                 {11888.14, 11900}, {5950, 6000}, {0, 50}};
    for (const auto& c : cases) EXPECT_EQ(NextMultipleOf50(c.length), c.result) << c.length;
}

TEST(RebarProcessing, BendRadiusAndLapLengthGoUpToTen) {
    struct Case {
        int phi;
        float R;
    } cases[] = {{13, 140}, {16, 170}, {22, 240}, {20, 210}};
    for (const auto& c : cases) {
        const BarSchedule schedule = {1, 250, c.phi, c.phi, 13, 13, 13};
        EXPECT_EQ(ComputeRebarLengths(SmallBox(), schedule).R1, c.R) << c.phi;
        EXPECT_EQ(ComputeRebarLengths(SmallBox(), schedule).R2, c.R) << c.phi;
    }
    EXPECT_EQ(LapLength(200, 1.6, 16, 16), 500);
    EXPECT_EQ(LapLength(200, 1.6, 13, 16), 500);  // the larger bar: 406.25 gives 410 only
    EXPECT_EQ(LapLength(200, 1.6, 22, 13), 690);  // 687.5
}

TEST(RebarProcessing, WorkedExample) {
    const RebarLengths r = ComputeRebarLengths(SmallBox(), kSchedule);
    struct Case {
        const char* name;
        double value;
        double expected;
    } cases[] = {
        {"R1", r.R1, 170},
        {"R2", r.R2, 170},
        {"L3Top", r.L3Top, 2460},
        {"L3Bottom", r.L3Bottom, 2460},
        {"L2Top", r.L2Top, 267.04},
        {"L2Bottom", r.L2Bottom, 267.04},
        {"La", r.La, 500},
        {"sumL", r.sumL, 11888.14},
        {"Lm", r.Lm, 11900},
        {"La'", r.LaActual, 505.93},
        {"LBottom", r.LBottom, 6000},
        {"LTop", r.LTop, 5900},
        {"x1", r.x1, 467.04},
        {"x2", r.x2, 527.04},
        {"x", r.xShift, 467.04},
        {"L1Upper", r.L1Upper, 1000},
        {"L4Upper", r.L4Upper, 1905.93},
        {"L1Lower", r.L1Lower, 1050},
        {"L4Lower", r.L4Lower, 1955.93},
    };
    for (const auto& c : cases) EXPECT_NEAR(c.value, c.expected, 0.005) << c.name;
}

TEST(RebarProcessing, RecordTableAndSheet) {
    TKakou record = SmallBox();
    CalcTable table;
    table.List("ListBox6") = {"from an earlier run"};
    RecordingMessenger messenger;
    WriteRebarProcessing(record, kSchedule, ComputeRebarProcessing(record, kSchedule, messenger),
                         table);
    EXPECT_TRUE(messenger.messages.empty());

    EXPECT_EQ(record.L1Upper, 1000.0f);
    EXPECT_EQ(record.L1Lower, 1050.0f);
    EXPECT_NEAR(record.xShift, 467.04, 0.005);

    const Grid& grid = table.GridOf("StringGrid2");
    const std::vector<std::vector<std::string>> rows = {
        {"1000", "267", "2460", "1906", "5900", "D16", "@250"},
        {"1050", "267", "2460", "1956", "6000", "D16", "@250"},
        {"2800", "---", "---", "---", "2800", "D19", "@250"},
        {"2800", "---", "---", "---", "2800", "D22", "@250"},
        {"2790", "---", "---", "---", "2790", "D13", "@250"},
    };
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 7; ++column)
            EXPECT_EQ(grid.Cell(column, row), rows[row - 1][column - 1]) << row << "," << column;

    const auto& sheet = table.List("ListBox6");
    ASSERT_EQ(sheet.size(), 58u);
    for (int line : {2, 6, 12, 16, 23, 28, 31, 35, 49}) EXPECT_EQ(sheet[line - 1], " ") << line;
    EXPECT_EQ(sheet[0], "主鉄筋加工寸法計算(mm)");
    EXPECT_EQ(sheet[3], "   R1(①頂版筋:10.5φ)    =170");
    EXPECT_EQ(sheet[10], "     d1(側壁鉄筋かぶり)   =100mm");
    EXPECT_EQ(sheet[19], "     σsa(引張応力度)     =200.0N/mm2");
    EXPECT_EQ(sheet[21], "     φ(鉄筋直径)         =D16");
    EXPECT_EQ(sheet[25], "       =11,888");
    EXPECT_EQ(sheet[38], "   x1=-------------------------------=467");
    EXPECT_EQ(sheet[47], "     d2(底版下面鉄筋かぶり)   =110mm");
    EXPECT_EQ(sheet[57], "   L4(下半部)= L-(L1+2･L2+L3) =1,956");
}

// A narrow box whose bends do not fit: the bars are named, the lines keep their numbers.
TEST(RebarProcessing, BarsThatCannotBeBuiltAreNamed) {
    TKakou record = SmallBox();
    record.B = 1.25f;
    record.dWall = 0.09f;
    const BarSchedule d51 = {1, 125, 51, 51, 13, 19, 22};  // R = 540: L3 = 1250 - 2 (90 + 540)
    CalcTable table;
    RecordingMessenger messenger;
    WriteRebarProcessing(record, d51, ComputeRebarProcessing(record, d51, messenger), table);
    EXPECT_EQ(
        messenger.messages,
        std::vector<std::string>{"鉄筋の加工寸法が成り立ちません（L3(①頂版筋)=-10mm、"
                                 "L3(②底版筋)=-10mm）。ボックス寸法と鉄筋径を確認して下さい。"});
    EXPECT_TRUE(messenger.messages[0].starts_with(kUnbuildableBars));
    EXPECT_EQ(table.List("ListBox6")[7], "   L3(①頂版筋)=B-2(R1+d1)=-10");
    EXPECT_EQ(table.GridOf("StringGrid2").Cell(3, 2), "-10");
    EXPECT_EQ(record.L3Top, -10.0f);

    // Zero counts as unbuildable too, and the lap length is named when it fails.
    RebarLengths lengths = ComputeRebarLengths(SmallBox(), kSchedule);
    lengths.L4Lower = 0;
    lengths.La = -680;
    EXPECT_EQ(UnbuildableBarsMessage(lengths),
              "鉄筋の加工寸法が成り立ちません（L4(②底版筋)=0mm、La(継ぎ手長)=-680mm）。"
              "ボックス寸法と鉄筋径を確認して下さい。");
}
