// The report pages of chapter "Ⅵ．水位・安定計算", after the ten: the sheet of each extra load
// case, their acting-load diagrams, the checks of uplift and ground pressure, and the forces
// by case with the governing case and the envelope of the moments.
#pragma once

#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"

// Numbered on from 11; none for a table without the chapter.
std::vector<ReportPage> WaterChapterPages(const CalcTable& table);
