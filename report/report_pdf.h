// The ten report pages as one PDF file, each page in its own orientation.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"
#include "report/report_result.h"

// Writes through a temporary file in the same folder, renamed over the path when complete:
// a failed write leaves no file behind and the outcome says why.
// Pages in extraPages follow the ten.
ReportOutcome WriteReportPdf(const std::string& path, const CalcTable& table, int colourChoice,
                             const std::vector<ReportPage>& extraPages = {});
