// The report pages written as a PDF file through a file commit, like every other output.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "files/file_commit.h"
#include "report/report_page.h"

// Renders the ten pages, then those of extraPages, each with the header over it, and stages
// the document as one output of the commit; nothing is staged when the document is incomplete.
FileResult WriteReportPdf(FileCommit& commit, const std::string& path, const CalcTable& table,
                          int colourChoice, const std::vector<ReportPage>& extraPages = {},
                          const std::string& header = {});

// The same alone: the earlier file is replaced only by a complete document.
FileResult WriteReportPdf(const std::string& path, const CalcTable& table, int colourChoice,
                          const std::vector<ReportPage>& extraPages = {},
                          const std::string& header = {});
