// The summary of the checks as an extra report page after the ten: each design section's
// stresses over their allowable values, and the quantities per metre.
#pragma once

#include "calc/calc_table.h"
#include "report/report_page.h"

// A landscape page titled "照査一覧" with the summary grid, its note, and the quantity grid
// with its note below.
ReportPage BuildCheckPage(const CalcTable& table);
