// The ten report pages as one PDF file, each page in its own orientation.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "report/report_result.h"

// Writes through a temporary file in the same folder, renamed over the path when complete:
// a failed write leaves no file behind and the outcome says why.
ReportOutcome WriteReportPdf(const std::string& path, const CalcTable& table, int colourChoice);
