// The ten report pages, built from the current content of the calculation table.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "report/report_page.h"

inline constexpr int kReportPageCount = 10;

// The input page's "出力図色" choice, by item index.
inline constexpr int kColourFigures = 0;
inline constexpr int kBlackAndWhiteFigures = 1;

// Page title by page number 1..10.
const std::string& ReportPageTitle(int number);

// Builds page 1..10 (throws std::out_of_range for any other number). colourChoice is the
// "出力図色" item index; it colours the wheel-load arrows of the acting-load diagram.
ReportPage BuildReportPage(int number, const CalcTable& table, int colourChoice);
