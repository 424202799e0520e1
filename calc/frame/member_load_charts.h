// The member load figures: each member as an axis line with its end moments and length, and
// the load acting on it.
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"

// Empties Chart3, Chart4, Chart5, Chart6, Chart9 and Chart10, then draws Chart3 (left wall),
// Chart6 (right wall), Chart4 (top slab) and Chart5 (bottom slab).
void DrawMemberLoadCharts(const TKakou& record, int loadCase, CalcTable& table);
