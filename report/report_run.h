// Showing report pages: preview of one page, printing of all ten, the printer set-up.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "report/report_page.h"
#include "report/report_pages.h"
#include "report/report_result.h"

class QPainter;
class QPrinter;
class QWidget;

// What a page build and its showing need from the application. The calculation-table
// window is hidden while a page is previewed or printed; the hooks do that.
struct ReportContext {
    const CalcTable& table;
    int colourChoice;   // the input page's "出力図色" item index
    QPrinter& printer;  // the current printer, kept by the application for the process
    QWidget* parent = nullptr;
    std::string header{};              // the line over every page; empty for none
    int pageCount = kReportPageCount;  // N of the page numbers "n / N"
    std::function<void()> hideCalcTable = [] {};
    std::function<void()> showCalcTable = [] {};
    QPainter* printJob = nullptr;  // the open job while the print command prints its pages
};

enum class ReportMode { Preview = 0, Print = 1 };

// Hides the calculation table; a preview opens the page in a print-preview window (zoom,
// page fit, print) and shows the table again when it closes; printing prints the page on
// the current printer, into the print command's job when one is open, and leaves the
// table hidden.
ReportOutcome RunReportPage(ReportMode mode, const ReportPage& page, ReportContext& context);

// The preview command of one page, numbered among the pages of the whole report.
ReportOutcome PreviewReportPage(int number, ReportContext& context);

// The preview of the whole report: the ten pages (or those of a box of cells) and those of
// chapter Ⅵ in order in one
// preview window (page navigation and zoom), each in its own orientation. The calculation
// table is hidden meanwhile, as for one page.
void PreviewWholeReport(ReportContext& context);

// The print command: asks, prints the ten pages in order, then those of chapter Ⅵ and the
// extra pages, tells how it ended and shows the calculation table again. A page that cannot
// be printed stops the printing with a message naming the page and the printer.
ReportOutcome PrintReport(ReportContext& context, Messenger& messenger,
                          const std::vector<ReportPage>& extraPages = {});

// The printer set-up dialog for the current printer; its answer is not needed.
void OpenPrinterSetup(QPrinter& printer, QWidget* parent);
