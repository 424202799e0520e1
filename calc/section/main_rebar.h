// Chapter V: the main-reinforcement drawing (Chart13).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

void DrawMainRebar(const TKakou& record, const BarSchedule& barSchedule, CalcTable& table);
