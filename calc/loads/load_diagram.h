// Chapter II section 2: the acting-load diagram (Chart1).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"

void DrawLoadDiagram(const TKakou& record, int loadCase, CalcTable& table);
// The same into a chart of the same series, for a load case whose top slab also carries the
// water pressure topWater (kN/m²).
void DrawLoadDiagram(const TKazyu& record, int loadCase, double topWater, Chart& chart);
