// The design study as an extra report page after the ten: its figure and the table of the
// covers that govern.
#pragma once

#include "calc/calc_table.h"
#include "report/report_page.h"

inline constexpr int kStudyPageNumber = 11;

// A landscape page titled "設計検討" with the figure on the left and the table beside it.
ReportPage BuildStudyPage(const Chart& figure, const Grid& governing);
