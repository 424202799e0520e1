// Chapter II section 2: the acting-load diagram (Chart1).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"

void DrawLoadDiagram(const TKakou& record, int loadCase, CalcTable& table);
