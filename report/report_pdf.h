// The ten report pages as one PDF document, each page in its own orientation.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "report/report_result.h"

// Paints the pages into `pdf` in memory. Fails, saying why, when a page cannot be painted
// or the document does not end with its trailer and "%%EOF".
ReportOutcome RenderReportPdf(const CalcTable& table, int colourChoice, std::string& pdf);
