// Chapter V: main-bar processing dimensions (StringGrid2, ListBox6).
#pragma once

#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/section/rebar_lengths.h"
#include "calc/work_arrays.h"

// The processing dimensions of the five main bars; keeps the record's fields of them. Bars
// that cannot be built are named in a message; their lines stay as computed, so that the
// engineer sees the numbers.
RebarLengths ComputeRebarProcessing(TKakou& record, const BarSchedule& barSchedule,
                                    Messenger& messenger);

// The dimension table StringGrid2 and the sheet ListBox6.
void WriteRebarProcessing(const TData& record, const BarSchedule& barSchedule,
                          const RebarLengths& lengths, CalcTable& table);
