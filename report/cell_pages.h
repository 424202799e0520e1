// The report pages of a box of two or three cells: chapters Ⅰ to Ⅴ from the components of the
// cell chapters, each sheet split over as many pages as it needs, each figure on a page of its
// own.
#pragma once

#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"

// Numbered from 1; none for a table without the cell chapters.
std::vector<ReportPage> CellChapterPages(const CalcTable& table);
