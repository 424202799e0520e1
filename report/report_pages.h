// The ten report pages, built from the current content of the calculation table.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "report/report_page.h"

inline constexpr int kReportPageCount = 10;

// The input page's "出力図色" choice, by item index.
inline constexpr int kColourFigures = 0;
inline constexpr int kBlackAndWhiteFigures = 1;

// The line over every page: "工事名：…" and "設計者：…" as far as given; empty when neither is.
std::string ReportHeader(const std::string& projectName, const std::string& designer);

// Gives the page its place in the report (number, and "n / N" below it) and the header.
void MarkPage(ReportPage& page, int number, int count, const std::string& header);

// Page title by page number 1..10.
const std::string& ReportPageTitle(int number);

// Builds page 1..10 (throws std::out_of_range for any other number). colourChoice is the
// "出力図色" item index; it colours the wheel-load arrows of the acting-load diagram, and in
// "白黒" the figures' titles are black.
ReportPage BuildReportPage(int number, const CalcTable& table, int colourChoice);

// Every page of the report in order, numbered and marked from 1 with the header: the ten, or
// for a box of cells the pages of its chapters, then those after them (PagesAfterTheTen).
std::vector<ReportPage> WholeReport(const CalcTable& table, int colourChoice,
                                    const std::vector<ReportPage>& extraPages,
                                    const std::string& header);

// The pages after the ten: those of chapter "Ⅵ．水位・安定計算" where the table holds it, then
// extraPages.
std::vector<ReportPage> PagesAfterTheTen(const CalcTable& table, int colourChoice,
                                         const std::vector<ReportPage>& extraPages);
