// Chapter II section 1: the load calculation sheet (ListBox4, ListBox1).
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/record.h"

void WriteLoadSheet(const TKakou& record, int loadCase, const DesignConditions& conditions,
                    CalcTable& table);
