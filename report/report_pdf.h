// The ten report pages as one PDF document, each page in its own orientation.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"
#include "report/report_result.h"

// Paints the ten pages, then those of chapter Ⅵ where the table holds it and those of
// extraPages, into `pdf` in memory, each with the header
// over it and its number "n / N" below. Fails, saying why, when a page cannot be painted or
// the document does not end with its trailer and "%%EOF".
ReportOutcome RenderReportPdf(const CalcTable& table, int colourChoice,
                              const std::vector<ReportPage>& extraPages, const std::string& header,
                              std::string& pdf);
