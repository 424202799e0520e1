// Chapter I: the design-condition summary (ListBox7) and the outline figure (Chart2).
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/record.h"

void WriteConditionSummary(const TKakou& record, const DesignConditions& conditions,
                           CalcTable& table);
