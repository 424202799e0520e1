// Chapter V: main-bar processing dimensions (StringGrid2, ListBox6).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/section/rebar_lengths.h"
#include "calc/work_arrays.h"

// The processing dimensions of the five main bars; keeps the record's fields of them.
RebarLengths ComputeRebarProcessing(TKakou& record, const BarSchedule& barSchedule);

// The dimension table StringGrid2 and the sheet ListBox6.
void WriteRebarProcessing(const TData& record, const BarSchedule& barSchedule,
                          const RebarLengths& lengths, CalcTable& table);
