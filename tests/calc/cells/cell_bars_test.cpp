// The bars of a box of two cells worked by hand: the bars over the middle wall, the middle
// wall's bars with their bent ends, their quantities, and the run's chapter V for cells.
#include "calc/cells/cell_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "calc/cells/cell_bar_sheet.h"
#include "calc/cells/cell_quantities.h"
#include "calc/run.h"

namespace {

// B 5.0 m, H 3.0 m, walls 0.40 m, top slab 0.40 m, bottom slab 0.45 m, middle wall 0.30 m:
// Bu = (5.0 − 0.8 − 0.3)/2 = 1.95 m. Covers 0.10 m; σsa 180 N/mm², τoa 1.6 N/mm².
// Bars ② D19, ① D22, ⑤ D16, ③ D19, ④ D16, ⑥ D19, ⑦ D22, ⑧ D16 at 250 mm.
struct TwoCells {
    TData record;
    CellDesign design;
    TwoCells() {
        record.B = 5.0, record.H = 3.0, record.TL = 0.4, record.Tu = 0.4, record.Tb = 0.45;
        record.Hu = 2.15, record.Hab = 0.2, record.Hah = 0.2;
        record.dTop = 0.1, record.dWall = 0.1, record.dBottomLower = 0.1;
        record.dBottomUpper = 0.1;
        record.sigmaSaJoint = 180, record.tauOa = 1.6;
        design.box.cells = 2, design.box.Tm = 0.3, design.box.Bu = 1.95;
        design.bars = {1, 250, 19, 22, 16, 19, 16, 19, 22, 16};
    }
};

TEST(CellBars, HandWorkedLengthsOfTwoCells) {
    const TwoCells box;
    const CellBarLengths l = ComputeCellBarLengths(box.record, box.design.box, box.design.bars);
    // ① round the whole box: R1 = 10.5·22 = 231 → 240; L3 = 5000 − 2(100 + 240).
    EXPECT_FLOAT_EQ(l.outer.L3Top, 4320);
    EXPECT_FLOAT_EQ(l.outer.across, 4800);  // ③ ④ through the middle wall: B − 2·d1
    // ⑥ D19: La = 180·19/(4·1.6) = 534.4 → 540; a = 1950/4 + 540 = 1027.5 → 1030;
    // L = 300 + 2·1030.
    EXPECT_FLOAT_EQ(l.top.La, 540);
    EXPECT_FLOAT_EQ(l.top.reach, 1030);
    EXPECT_FLOAT_EQ(l.top.length, 2360);
    // ⑦ D22: La = 618.75 → 620; a = 1107.5 → 1110; L = 2520.
    EXPECT_FLOAT_EQ(l.bottom.length, 2520);
    // ⑧ D16: La = 450; straight 3000 − 100 − 100 = 2800; 300 mm in the top slab leave 150
    // to bend, 350 mm in the bottom slab leave 100; L = 3050.
    EXPECT_FLOAT_EQ(l.wall.La, 450);
    EXPECT_FLOAT_EQ(l.wall.straight, 2800);
    EXPECT_FLOAT_EQ(l.wall.hookTop, 150);
    EXPECT_FLOAT_EQ(l.wall.hookBottom, 100);
    EXPECT_FLOAT_EQ(l.wall.length, 3050);

    // Slabs deep enough for the whole anchorage need no bent ends.
    TwoCells deep;
    deep.record.Tu = deep.record.Tb = 0.6;
    const MiddleWallBar w =
        ComputeCellBarLengths(deep.record, deep.design.box, deep.design.bars).wall;
    EXPECT_EQ(w.hookTop, 0);
    EXPECT_EQ(w.hookBottom, 0);
    EXPECT_FLOAT_EQ(w.length, 2800);
}

TEST(CellBars, QuantitiesOfTheBarsOverAndInTheMiddleWall) {
    TwoCells box;
    const CellBarLengths l = ComputeCellBarLengths(box.record, box.design.box, box.design.bars);
    const Quantities q = ComputeCellQuantities(box.record, box.design, l);
    ASSERT_TRUE(q.steel);
    ASSERT_EQ(q.steel->cellBars.size(), 3u);
    // Per metre at 250 mm: ⑥ 2.360·4·2.25, ⑦ 2.520·4·3.04, ⑧ two bars 3.050·8·1.56.
    EXPECT_NEAR(q.steel->cellBars[0].mass, 21.24, 1e-9);
    EXPECT_NEAR(q.steel->cellBars[1].mass, 30.6432, 1e-9);
    EXPECT_NEAR(q.steel->cellBars[2].mass, 38.064, 1e-9);
    const double mainBars = MainBarSteel({1, 250, 19, 22, 16, 19, 16}, l.outer)->total;
    EXPECT_NEAR(q.steel->total, mainBars + 89.9472, 1e-9);
    const double byDiameter =
        std::accumulate(q.steel->byDiameter.begin(), q.steel->byDiameter.end(), 0.0,
                        [](double sum, const DiameterMass& d) { return sum + d.mass; });
    EXPECT_NEAR(byDiameter, q.steel->total, 1e-9);
    // Formwork: both outer faces 2·3.0, each cell its inner walls 2(2.15 − 0.2), its top
    // slab 1.95 − 0.4 and two haunch slopes of 0.2·√2.
    EXPECT_NEAR(q.formwork, 6 + 2 * (3.9 + 1.55 + 0.4 * std::sqrt(2.0)), 1e-5);

    // A bar without a diameter leaves no steel figure.
    box.design.bars[kMiddleWallBar] = 0;
    EXPECT_FALSE(ComputeCellQuantities(box.record, box.design, l).steel);
}

TEST(CellBars, RunWritesEveryBarOfTwoAndThreeCells) {
    for (const int cells : {2, 3}) {
        SCOPED_TRACE(cells);
        DesignConditions conditions;
        conditions.cells = cells;
        conditions.B = cells == 2 ? "6.00" : "8.00";
        CalcTable table;
        RecordingMessenger messenger;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
        const Grid& grid = table.GridOf(kCellRebarGrid);
        ASSERT_EQ(grid.rows, 9);
        EXPECT_EQ(grid.Cell(0, 8), "⑧");
        const auto& sheet = table.lists.at(kCellRebarSheet);
        EXPECT_NE(std::find_if(sheet.begin(), sheet.end(),
                               [](const std::string& line) {
                                   return line.find("L(⑧)=L1+L3+L4") != std::string::npos;
                               }),
                  sheet.end());
        // Outline, every cell's opening and the bars: ① to ⑤ and per middle wall ⑥, ⑦
        // and ⑧ on both faces.
        const Chart& chart = table.ChartOf(kCellRebarChart);
        EXPECT_EQ(chart.series.size(), std::size_t(1 + cells + 6 + 4 * (cells - 1)));
        ASSERT_TRUE(table.quantities && table.quantities->steel);
        EXPECT_EQ(table.quantities->steel->cellBars[2].count, 2 * (cells - 1));
        EXPECT_EQ(table.GridOf("StringGrid4").Cell(0, 10), "⑧");

        conditions.cells = 1;
        ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
        EXPECT_FALSE(table.grids.contains(kCellRebarGrid));
        EXPECT_EQ(table.GridOf("StringGrid4").Cell(0, 8), "径別計");
    }
}

}  // namespace
