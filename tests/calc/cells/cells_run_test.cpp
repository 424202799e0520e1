// The run of a box of cells: its chapters in components of its own that a run of one cell
// takes away again, and its water cases.
#include <gtest/gtest.h>

#include <algorithm>

#include "calc/cells/cell_figures.h"
#include "calc/cells/cell_sheet.h"
#include "calc/run.h"
#include "calc/study/design_result.h"

namespace {

TEST(CellsRun, ChaptersOfTheirOwnThatOneCellTakesAway) {
    DesignConditions conditions;
    conditions.cells = 2;
    CalcTable table;
    RecordingMessenger messenger;
    ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    ASSERT_TRUE(HasCellChapters(table));
    const Grid& grid = table.GridOf(kCellSectionGrid);
    EXPECT_EQ(grid.rows, 1 + 6 + 2 + 2 * 3 * 2);
    EXPECT_EQ(grid.Cell(0, 20), "中壁1下");
    EXPECT_EQ(table.frameModel->geometry.memberCount, 7);
    // The components of one cell keep what they held before.
    EXPECT_EQ(table.GridOf("StringGrid3"), CalcTable().GridOf("StringGrid3"));

    conditions.cells = 1;
    ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    EXPECT_FALSE(HasCellChapters(table));
    EXPECT_FALSE(table.lists.contains(kCellLoadSheet));
    for (const char* figure : kCellFigures) EXPECT_FALSE(table.charts.contains(figure)) << figure;
}

// Groundwater and water inside every cell are load cases of their own, each at every wheel
// position, and the whole box is checked against uplift.
TEST(CellsRun, WaterCasesOfCells) {
    DesignConditions conditions;
    conditions.cells = 3;
    conditions.B = "8.00";
    conditions.h1 = "1.50";
    const DesignResult dry = EvaluateDesign(conditions);
    conditions.hw = "1.00";
    conditions.innerWater = 1;
    const DesignResult wet = EvaluateDesign(conditions);
    ASSERT_EQ(wet.status, RunResult::Completed);
    ASSERT_EQ(wet.cellSections.size(), dry.cellSections.size());
    bool groundwater = false, inner = false, changed = false;
    for (std::size_t k = 0; k < wet.cellSections.size(); ++k) {
        groundwater |= wet.cellSections[k].values.loadCase == CaseKind::Groundwater;
        inner |= wet.cellSections[k].values.loadCase == CaseKind::InnerWater;
        changed |= wet.cellSections[k].values.M != dry.cellSections[k].values.M;
    }
    EXPECT_TRUE(changed);
    EXPECT_TRUE(groundwater || inner);
    // The uplift of the whole box: three cells 2.0667 m wide and 3.00 m high, a haunch of
    // 0.2 × 0.2 m in each upper corner.
    ASSERT_TRUE(wet.stability && wet.stability->uplift);
    EXPECT_NEAR(wet.stability->uplift->Wbox, 24.5 * (8 * 3.9 - 3 * (6.2 / 3 * 3.0 - 0.04)), 1e-3);
    EXPECT_EQ(wet.stability->bearing.count, 3);

    // The run shows the checks after the loads of chapter Ⅱ, and keeps them for the outputs.
    CalcTable table;
    RecordingMessenger messenger;
    ASSERT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    ASSERT_TRUE(table.stability);
    EXPECT_EQ(table.stability->uplift->Fs, wet.stability->uplift->Fs);
    const std::vector<std::string>& loads = table.List(kCellLoadSheet);
    EXPECT_NE(std::find(loads.begin(), loads.end(), "2.浮上りに対する検討"), loads.end());
    EXPECT_NE(std::find(loads.begin(), loads.end(), "3.地盤反力度の検討"), loads.end());
}

}  // namespace
