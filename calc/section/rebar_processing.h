// Chapter V: main-bar processing dimensions (StringGrid2, ListBox6).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

void ComputeRebarProcessing(TKakou& record, const BarSchedule& barSchedule, CalcTable& table);
