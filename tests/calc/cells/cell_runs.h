// A completed run of the default conditions as a box of cells, for the tests of what the run
// shows and prints.
#pragma once

#include <gtest/gtest.h>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"

inline CalcTable RunOfCells(int cells) {
    DesignConditions conditions;
    conditions.cells = cells;
    CalcTable table;
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    return table;
}
