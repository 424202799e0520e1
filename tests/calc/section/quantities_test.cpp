// Quantities per metre: concrete and formwork of hand-worked boxes, steel per bar mark, per
// diameter and in total, and no steel figure for a failed bar search.
#include "calc/section/quantities.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/run.h"
#include "calc/section/quantity_sheet.h"
#include "tests/calc/read_record.h"

TEST(Quantities, ConcreteAndFormworkOfHandWorkedBoxes) {
    // B 3.00, H 2.50, TL 0.30, Tu 0.30, Tb 0.35, haunch 0.30 wide and 0.15 high: Bu 2.40,
    // Hu 1.85, slope √(0.3² + 0.15²) = 0.335410.
    // Concrete 7.5 − 4.44 + 0.045 (+ 0.045 below). Formwork 2·2.5 + 2·(1.85 − 0.15) + (2.4 −
    // 0.6) + 2·0.335410; with lower haunches the walls lose 0.15 more each and two slopes come.
    struct Case {
        const char* name;
        bool lowerHaunch;
        double concrete, formwork;
    } cases[] = {
        {"upper haunches only", false, 3.105, 10.870820},
        {"lower haunches too", true, 3.150, 11.241641},
    };
    for (const auto& c : cases) {
        DesignConditions conditions;
        conditions.B = "3.00";
        conditions.H = "2.50";
        conditions.TL = "0.30";
        conditions.Tu = "0.30";
        conditions.Tb = "0.35";
        conditions.Hab = "0.30";
        conditions.Hah = "0.15";
        conditions.lowerHaunch = c.lowerHaunch;
        const auto record = ReadRecord(conditions);
        EXPECT_NEAR(ConcreteVolume(*record), c.concrete, 1e-6) << c.name;
        EXPECT_NEAR(FormworkArea(*record), c.formwork, 1e-6) << c.name;
    }
}

TEST(Quantities, SteelPerMarkPerDiameterAndTotal) {
    // Bars 2 and 3 share D22 (entries: pitch, 2, 1, 5, 3, 4).
    const BarSchedule schedule = {1, 250, 22, 19, 13, 22, 25};
    RebarLengths lengths;
    lengths.LTop = 5900;
    lengths.LBottom = 6000;
    lengths.across = 3800;
    lengths.upright = 3690;
    const auto steel = ComputeQuantities(TData{}, schedule, lengths).steel;
    ASSERT_TRUE(steel);
    // L/pitch·count·unit mass: 5900/250·2.25, 6000/250·3.04, 3800/250·3.04, 3800/250·3.98,
    // 2·3690/250·0.995.
    const double marks[] = {53.1, 72.96, 46.208, 60.496, 29.3724};
    for (int k = 0; k < kMainBarCount; ++k) EXPECT_NEAR(steel->bars[k].mass, marks[k], 1e-9) << k;
    EXPECT_EQ(steel->bars[4].count, 2);
    ASSERT_EQ(steel->byDiameter.size(), 4u);
    EXPECT_EQ(steel->byDiameter[2].diameter, 22);
    EXPECT_NEAR(steel->byDiameter[2].mass, 72.96 + 46.208, 1e-9);
    EXPECT_NEAR(steel->total, 262.1364, 1e-9);
}

TEST(Quantities, NoSteelFigureWithoutPitchDiameterOrLength) {
    RebarLengths lengths;
    lengths.LTop = lengths.LBottom = lengths.across = lengths.upright = 3000;
    struct Case {
        const char* name;
        BarSchedule schedule;
        float across;
    } cases[] = {
        {"every section failed: pitch 9999", {1, 9999, 0, 0, 0, 0, 0}, 3000},
        {"bar 4 found no diameter", {1, 125, 16, 16, 13, 13, 0}, 3000},
        {"box too small for its bars", {1, 125, 16, 16, 13, 13, 13}, -20},
    };
    for (const auto& c : cases) {
        lengths.across = c.across;
        CalcTable table;
        WriteQuantities(ComputeQuantities(TData{}, c.schedule, lengths), table);
        EXPECT_FALSE(table.quantities->steel) << c.name;
        const Grid& grid = table.GridOf("StringGrid4");
        for (int row = 3; row < grid.rows; ++row)
            EXPECT_EQ(grid.Cell(6, row), "---") << c.name << " row " << row;
        EXPECT_EQ(table.labels.at("Label98").text,
                  std::string(kNoSteelNote) + "\n" + kQuantityNote);
    }
}

TEST(Quantities, RunTakesLengthsAndBarsFromTheProcessingTable) {
    CalcTable table;
    RecordingMessenger messenger;
    ASSERT_EQ(RunCalculation(DesignConditions{}, table, messenger), RunResult::Completed);
    const Grid& processing = table.GridOf("StringGrid2");
    const Grid& grid = table.GridOf("StringGrid4");
    for (int k = 0; k < kMainBarCount; ++k) {
        EXPECT_EQ(grid.Cell(2, 3 + k), processing.Cell(5, 1 + k)) << k;  // L
        EXPECT_EQ(grid.Cell(1, 3 + k), processing.Cell(6, 1 + k)) << k;  // diameter
        EXPECT_EQ(grid.Cell(4, 3 + k), processing.Cell(7, 1 + k)) << k;  // pitch
    }
    EXPECT_EQ(grid.Cell(0, grid.rows - 1), "鉄筋計");
    EXPECT_EQ(grid.Cell(6, 1), "6.640");  // 4.0·3.9 − 3.0·3.0 + 0.2·0.2
    EXPECT_EQ(table.labels.at("Label98").text, kQuantityNote);
}
