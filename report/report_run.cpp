// Preview and printing of the report pages.
#include "report/report_run.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/page_painter.h"
#include "report/report_pages.h"

namespace {

const char* const kReady = "プリンターの準備はいいですか。\n10枚印刷します。";
const char* const kPrinted = "出力中です．．．\n印刷が終わるまでお待ち下さい。";

std::string PrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().toStdString();
    return printer.printerName().toStdString();
}

ReportOutcome PageFailure(const ReportPage& page, const QPrinter& printer, const char* reason) {
    std::string message = "「" + page.title + "」（" + std::to_string(page.number) +
                          "ページ目）を印刷できませんでした。\n" + reason;
    const std::string name = PrinterName(printer);
    if (!name.empty()) message += "\nプリンター：" + name;
    return {ReportResult::PrintError, message};
}

// Without any printer installed the current printer falls back to PDF output without a file.
bool HasPrinter(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && printer.isValid();
}

ReportOutcome PrintPage(const ReportPage& page, QPrinter& printer) {
    if (!HasPrinter(printer)) return PageFailure(page, printer, "プリンターがありません。");
    printer.setFullPage(true);
    if (!printer.setPageLayout(ReportPageLayout(page)))
        return PageFailure(page, printer, "用紙をＡ４に設定できません。");
    QPainter painter;
    if (!painter.begin(&printer)) return PageFailure(page, printer, "印刷を開始できません。");
    PaintReportPage(painter, page);
    const bool failed = printer.printerState() == QPrinter::Error;
    if (!painter.end() || failed || printer.printerState() == QPrinter::Error)
        return PageFailure(page, printer, "プリンターがエラーを返しました。");
    return {};
}

void Preview(const ReportPage& page, ReportContext& context) {
    context.printer.setFullPage(true);
    context.printer.setPageLayout(ReportPageLayout(page));
    QPrintPreviewDialog dialog(&context.printer, context.parent);
    dialog.setWindowTitle(QString::fromStdString(page.title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&page](QPrinter* printer) {
        QPainter painter(printer);
        PaintReportPage(painter, page);
    });
    dialog.exec();
}

}  // namespace

ReportOutcome ShowReportPage(int number, ReportMode mode, ReportContext& context) {
    return RunReportPage(mode, BuildReportPage(number, context.table, context.colourChoice),
                         context);
}

ReportOutcome RunReportPage(ReportMode mode, const ReportPage& page, ReportContext& context) {
    context.hideCalcTable();
    if (mode == ReportMode::Print) return PrintPage(page, context.printer);
    Preview(page, context);
    context.showCalcTable();
    return {};
}

ReportOutcome PreviewReportPage(int number, ReportContext& context) {
    return ShowReportPage(number, ReportMode::Preview, context);
}

ReportOutcome PrintReport(ReportContext& context, Messenger& messenger) {
    if (!messenger.Confirm(kReady)) return {ReportResult::Cancelled, ""};
    ReportOutcome outcome;
    for (int number = 1; number <= kReportPageCount && outcome.Succeeded(); ++number)
        outcome = ShowReportPage(number, ReportMode::Print, context);
    messenger.Inform(outcome.Succeeded() ? kPrinted : outcome.message);
    context.showCalcTable();
    return outcome;
}

void OpenPrinterSetup(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.exec();
}
