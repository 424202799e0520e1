// The cell entries: their conversion and checks, the cells' geometry, and the run of a box of
// more than one cell, which this version does not compute.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calc/cells/cell_geometry.h"
#include "calc/decimal.h"
#include "calc/run.h"
#include "tests/calc/read_record.h"

namespace {

using Edit = std::function<void(DesignConditions&)>;

DesignConditions With(int cells, const Edit& edit) {
    DesignConditions conditions;
    conditions.cells = cells;
    edit(conditions);
    return conditions;
}

const std::string kCells = "セル数がおかしいです（1～3）。";
const std::string kTm = "中壁厚がおかしいです。";
const std::string kCellWidth = "セルの内空幅がおかしいです（外形幅、側壁厚、中壁厚、ﾊﾝﾁ幅）。";
const std::string kMiddleCover = "中壁のかぶりがおかしいです。";
const std::string kWidth = "ボックスの幅がおかしいです。";

}  // namespace

// Defaults: B 4.00, TL 0.50, Tm 0.40, Hab 0.20, d' of the walls 0.10. Two cells are each
// (4.0 − 1.0 − 0.4) / 2 = 1.30 m wide, three (4.0 − 1.0 − 0.8) / 3 = 0.733 m.
TEST(CellEntries, ChecksNameTheEntries) {
    using Fields = std::vector<std::string>;
    const struct {
        const char* name;
        DesignConditions conditions;
        std::vector<std::string> failures;  // first lines of the messages, in order
        Fields fields;                      // of the first failure
    } cases[] = {
        {"one cell reads no middle wall", With(1, [](auto& d) { d.Tm = "-1"; }), {}, {}},
        {"two cells", With(2, [](auto&) {}), {}, {}},
        {"three cells", With(3, [](auto&) {}), {}, {}},
        {"no cells", With(0, [](auto&) {}), {kCells}, {"セル数"}},
        {"four cells", With(4, [](auto&) {}), {kCells}, {"セル数"}},
        // The middle wall then has no room for its cover either.
        {"no middle wall",
         With(2, [](auto& d) { d.Tm = "0.00"; }),
         {kTm, kMiddleCover},
         {"中壁厚"}},
        {"negative middle wall",
         With(3, [](auto& d) { d.Tm = "-0.1"; }),
         {kTm, kMiddleCover},
         {"中壁厚"}},
        {"cover past the middle wall's middle",
         With(2, [](auto& d) { d.Tm = "0.15"; }),
         {kMiddleCover},
         {"中壁厚", "ｄ’（側壁）"}},
        {"cover at the middle wall's middle", With(2, [](auto& d) { d.Tm = "0.20"; }), {}, {}},
        // 1.30 − 2 × 0.55 = 0.2 rounds to the bound as a Single; 0.56 falls below it.
        {"haunches at the bound", With(2, [](auto& d) { d.Hab = "0.55"; }), {}, {}},
        {"haunches past the bound",
         With(2, [](auto& d) { d.Hab = "0.56"; }),
         {kCellWidth},
         {"中壁厚", "外形幅", "側壁厚", "ﾊﾝﾁ幅"}},
        // (3.0 − 1.0 − 0.8) / 3 = 0.40 leaves nothing between the haunches, though the box
        // itself is wide enough for one cell.
        {"three narrow cells",
         With(3, [](auto& d) { d.B = "3.0"; }),
         {kCellWidth},
         {"中壁厚", "外形幅", "側壁厚", "ﾊﾝﾁ幅"}},
        // The cells' check takes the place of the box's: one message, not two.
        {"walls wider than the box",
         With(2, [](auto& d) { d.B = "1.0"; }),
         {kCellWidth},
         {"中壁厚", "外形幅", "側壁厚", "ﾊﾝﾁ幅"}},
        {"one narrow cell",
         With(1, [](auto& d) { d.B = "1.0"; }),
         {kWidth},
         {"外形幅", "側壁厚", "ﾊﾝﾁ幅"}},
    };
    for (const auto& c : cases) {
        const auto record = ReadRecord(c.conditions);
        RecordingMessenger messenger;
        EXPECT_EQ(CheckDesignConditions(*record, messenger), c.failures.empty() ? 0 : 1) << c.name;
        std::vector<std::string> expected;
        for (const auto& failure : c.failures) expected.push_back(failure + "\n訂正して下さい。");
        EXPECT_EQ(messenger.messages, expected) << c.name;
        EXPECT_EQ(FirstFailedCheckFields(c.conditions), c.fields) << c.name;
    }
}

// A study that varies the middle wall checks it design by design.
TEST(CellEntries, StudyOfTheMiddleWallLeavesItsChecksOut) {
    const auto record = ReadRecord(With(2, [](auto& d) { d.Tm = "0.00"; }));
    RecordingMessenger messenger;
    const ConditionEntry varied[] = {&DesignConditions::Tm};
    EXPECT_EQ(CheckDesignConditions(*record, messenger, varied), 0);
}

TEST(CellEntries, MiddleWallIsConvertedOnlyWithMoreThanOneCell) {
    EXPECT_EQ(UnconvertibleField(With(1, [](auto& d) { d.Tm = "0,4"; })), "");
    EXPECT_EQ(UnconvertibleField(With(2, [](auto& d) { d.Tm = "0,4"; })), "中壁厚");
    // Read after the outer width, before the covers.
    EXPECT_EQ(UnconvertibleField(With(3,
                                      [](auto& d) {
                                          d.Tm = "xx";
                                          d.dWall = "xx";
                                      })),
              "中壁厚");
    EXPECT_EQ(UnconvertibleField(With(3,
                                      [](auto& d) {
                                          d.Tm = "xx";
                                          d.B = "xx";
                                      })),
              "外形幅");
    try {
        ReadRecord(With(2, [](auto& d) { d.Tm = "nan"; }));
        ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_NE(std::string(error.what()).find("中壁厚"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("nan"), std::string::npos);
    }
}

TEST(CellEntries, GeometryOfTheCells) {
    const CellGeometry one = CellGeometryOf(*ReadRecord(With(1, [](auto&) {})));
    EXPECT_EQ(one.n, 1);
    EXPECT_DOUBLE_EQ(one.Bu, 3.0);
    EXPECT_EQ(one.WallAxes().size(), 2u);
    EXPECT_DOUBLE_EQ(one.Span(0), 3.5);

    const CellGeometry two = CellGeometryOf(*ReadRecord(With(2, [](auto&) {})));
    EXPECT_EQ(two.n, 2);
    EXPECT_NEAR(two.Bu, 1.3, 1e-7);
    EXPECT_NEAR(two.wallAxes[0], -1.75, 1e-7);
    EXPECT_NEAR(two.wallAxes[1], 0.0, 1e-7);
    EXPECT_NEAR(two.wallAxes[2], 1.75, 1e-7);

    // Outer spans Bu + TL/2 + Tm/2, the middle one Bu + Tm; together the outer walls' axes
    // apart.
    const CellGeometry three = CellGeometryOf(*ReadRecord(With(3, [](auto& d) { d.Tm = "0.30"; })));
    const double Bu = (4.0 - 1.0 - 0.6) / 3;
    EXPECT_NEAR(three.Bu, Bu, 1e-7);
    EXPECT_NEAR(three.Span(0), Bu + 0.25 + 0.15, 1e-7);
    EXPECT_NEAR(three.Span(1), Bu + 0.30, 1e-7);
    EXPECT_NEAR(three.Span(2), Bu + 0.25 + 0.15, 1e-7);
    EXPECT_NEAR(three.Span(0) + three.Span(1) + three.Span(2), 3.5, 1e-7);
}

TEST(CellEntries, RunOfMoreThanOneCellCompletesAfterItsChecks) {
    for (const int cells : {2, 3}) {
        CalcTable table;
        RecordingMessenger messenger;
        EXPECT_EQ(RunCalculation(With(cells, [](auto&) {}), table, messenger),
                  RunResult::Completed);
        EXPECT_TRUE(table.completedRun);
    }
    // Its entries are checked first.
    CalcTable table;
    RecordingMessenger messenger;
    RunCalculation(With(2, [](auto& d) { d.Tm = "0.00"; }), table, messenger);
    EXPECT_EQ(messenger.messages, (std::vector<std::string>{kTm + "\n訂正して下さい。",
                                                            kMiddleCover + "\n訂正して下さい。"}));
}
