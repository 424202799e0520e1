// A calculation table filled by hand with lines, grid cells and chart points, for the
// report page tests.
#pragma once

#include "calc/calc_table.h"

CalcTable SampleTable();
