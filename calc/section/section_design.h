// Chapter IV: section stress check with bar selection.
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

void DesignSections(TKakou& record, const DesignConditions& conditions, BarSchedule& barSchedule,
                    SectionSteel& sectionSteel, CalcTable& table, Messenger& messenger);
