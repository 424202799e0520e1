// Chapter IV: section stress check with bar selection.
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

// The stress-distribution type from the span moments of the left wall, the top slab and the
// bottom slab: 1, 2 or 3 for the usual distributions, 0 for any other.
int StressTypeOf(float wallMoment, float topMoment, float bottomMoment);

void DesignSections(TKakou& record, const DesignConditions& conditions, BarSchedule& barSchedule,
                    SectionSteel& sectionSteel, CalcTable& table, Messenger& messenger);
