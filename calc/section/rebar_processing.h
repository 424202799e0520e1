// Chapter V: main-bar processing dimensions (StringGrid2, ListBox6).
#pragma once

#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

// Bars that cannot be built are named in a message; their lines stay as computed, so that the
// engineer sees the numbers.
void ComputeRebarProcessing(TKakou& record, const BarSchedule& barSchedule, CalcTable& table,
                            Messenger& messenger);
