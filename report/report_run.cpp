// Preview and printing of the report pages.
#include "report/report_run.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <vector>

#include "report/page_painter.h"
#include "report/report_pages.h"

namespace {

std::string ReadyQuestion(int pageCount) {
    return "プリンターの準備はいいですか。\n" + std::to_string(pageCount) + "枚印刷します。";
}
const char* const kPrinted = "出力中です．．．\n印刷が終わるまでお待ち下さい。";

std::string PrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().toStdString();
    return printer.printerName().toStdString();
}

// What could not be printed ("「title」（n ページ目）" or the whole report), why, and where.
ReportOutcome Failure(const std::string& what, const QPrinter& printer, const char* reason) {
    std::string message = what + "を印刷できませんでした。\n" + reason;
    const std::string name = PrinterName(printer);
    if (!name.empty()) message += "\nプリンター：" + name;
    return {ReportResult::PrintError, message};
}

ReportOutcome PageFailure(const ReportPage& page, const QPrinter& printer, const char* reason) {
    return Failure("「" + page.title + "」（" + std::to_string(page.number) + "ページ目）", printer,
                   reason);
}

// Without any printer installed the current printer falls back to PDF output without a file.
bool HasPrinter(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && printer.isValid();
}

bool PrinterFailed(const QPrinter& printer) {
    return printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
}

// Finishes the job; false when the printer did not take it.
bool EndJob(QPainter& job, const QPrinter& printer) {
    const bool failed = PrinterFailed(printer);
    return job.end() && !failed && !PrinterFailed(printer);
}

// Prints the page into the open job, or starts a job with it. A printer that cannot change
// the sheet's orientation within a job (a native print engine) gets a new job instead.
ReportOutcome PrintPage(const ReportPage& page, QPrinter& printer, QPainter& job) {
    if (!HasPrinter(printer)) return PageFailure(page, printer, "プリンターがありません。");
    const QPageLayout layout = ReportPageLayout(page);
    if (job.isActive()) {
        if (printer.pageLayout().isEquivalentTo(layout) || printer.setPageLayout(layout)) {
            if (!printer.newPage()) return PageFailure(page, printer, "次の用紙に進めません。");
            PaintReportPage(job, page);
            if (PrinterFailed(printer))
                return PageFailure(page, printer, "プリンターがエラーを返しました。");
            return {};
        }
        if (!EndJob(job, printer))
            return PageFailure(page, printer, "プリンターがエラーを返しました。");
    }
    printer.setFullPage(true);
    if (!printer.setPageLayout(layout))
        return PageFailure(page, printer, "用紙をＡ４に設定できません。");
    if (!job.begin(&printer)) return PageFailure(page, printer, "印刷を開始できません。");
    PaintReportPage(job, page);
    if (PrinterFailed(printer))
        return PageFailure(page, printer, "プリンターがエラーを返しました。");
    return {};
}

// Opens the pages, in order, in a print-preview window and returns when it closes.
void Preview(const std::vector<ReportPage>& pages, const std::string& title,
             ReportContext& context) {
    context.printer.setFullPage(true);
    context.printer.setPageLayout(ReportPageLayout(pages.front()));
    QPrintPreviewDialog dialog(&context.printer, context.parent);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.resize(dialog.screen()->availableGeometry().size() * 0.8);  // room for a whole page
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&pages](QPrinter* printer) {
        // The preview shows every page on one sheet, the first page's: a page of the other
        // orientation stands turned on it, as a printer loaded with that sheet prints it.
        QPainter painter(printer);
        for (std::size_t k = 0; k < pages.size(); ++k) {
            if (k > 0 && !printer->newPage()) return;
            if (pages[k].orientation == pages.front().orientation) {
                PaintReportPage(painter, pages[k]);
                continue;
            }
            painter.save();
            painter.translate(painter.device()->width(), 0);
            painter.rotate(90);
            PaintReportPage(painter, pages[k]);
            painter.restore();
        }
    });
    dialog.exec();
}

}  // namespace

ReportOutcome RunReportPage(ReportMode mode, const ReportPage& page, ReportContext& context) {
    context.hideCalcTable();
    if (mode == ReportMode::Print) {
        if (context.printJob) return PrintPage(page, context.printer, *context.printJob);
        QPainter job;  // a page printed on its own is a job of its own
        ReportOutcome outcome = PrintPage(page, context.printer, job);
        if (outcome.Succeeded() && !EndJob(job, context.printer))
            outcome = PageFailure(page, context.printer, "プリンターがエラーを返しました。");
        return outcome;
    }
    Preview({page}, page.title, context);
    context.showCalcTable();
    return {};
}

ReportOutcome PreviewReportPage(int number, ReportContext& context) {
    // Numbered among the pages of the whole report, those of chapter Ⅵ included; a box of
    // cells has pages of its own in place of the ten.
    std::vector<ReportPage> pages =
        WholeReport(context.table, context.colourChoice, {}, context.header);
    context.pageCount = static_cast<int>(pages.size());
    if (number < 1 || number > context.pageCount) return {};
    return RunReportPage(ReportMode::Preview, pages[std::size_t(number - 1)], context);
}

void PreviewWholeReport(ReportContext& context) {
    const std::vector<ReportPage> pages =
        WholeReport(context.table, context.colourChoice, {}, context.header);
    context.hideCalcTable();
    Preview(pages, "計算書（全ページ）", context);
    context.showCalcTable();
}

ReportOutcome PrintReport(ReportContext& context, Messenger& messenger,
                          const std::vector<ReportPage>& extraPages) {
    const std::vector<ReportPage> pages =
        WholeReport(context.table, context.colourChoice, extraPages, context.header);
    context.pageCount = static_cast<int>(pages.size());
    if (!messenger.Confirm(ReadyQuestion(context.pageCount))) return {ReportResult::Cancelled, ""};
    // The pages go into one job, so that a printer writing to a file keeps them all.
    QPainter job;
    context.printJob = &job;
    ReportOutcome outcome;
    for (std::size_t k = 0; k < pages.size() && outcome.Succeeded(); ++k)
        outcome = RunReportPage(ReportMode::Print, pages[k], context);
    context.printJob = nullptr;
    if (job.isActive() && !outcome.Succeeded()) {
        context.printer.abort();  // what went before the failed page is not sent on
        job.end();
    } else if (job.isActive() && !EndJob(job, context.printer)) {
        outcome = Failure("計算書", context.printer, "プリンターがエラーを返しました。");
    }
    if (outcome.Succeeded())
        messenger.Inform(kPrinted);
    else
        messenger.Warn(outcome.message);
    context.showCalcTable();
    return outcome;
}

void OpenPrinterSetup(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.exec();
}
