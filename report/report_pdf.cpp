// Writing the report pages into one PDF file.
#include "report/report_pdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "report/page_painter.h"
#include "report/report_pages.h"

namespace {

ReportOutcome FileFailure(const std::string& path, const QString& reason) {
    return {ReportResult::FileError,
            "計算書PDFを書き込めませんでした。\n" + path + "\n" + reason.toStdString()};
}

// Paints every page into the writer; false when the writer cannot be painted on.
bool PaintPages(QPdfWriter& writer, const CalcTable& table, int colourChoice,
                const std::vector<ReportPage>& extraPages) {
    QPainter painter;
    const auto paint = [&](const ReportPage& page) {
        writer.setPageLayout(ReportPageLayout(page));
        const bool started = painter.isActive() ? writer.newPage() : painter.begin(&writer);
        if (started) PaintReportPage(painter, page);
        return started;
    };
    for (int number = 1; number <= kReportPageCount; ++number)
        if (!paint(BuildReportPage(number, table, colourChoice))) return false;
    for (const ReportPage& page : extraPages)
        if (!paint(page)) return false;
    return painter.end();
}

}  // namespace

ReportOutcome WriteReportPdf(const std::string& path, const CalcTable& table, int colourChoice,
                             const std::vector<ReportPage>& extraPages) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return FileFailure(path, file.errorString());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator("Dolmeta");
        painted = PaintPages(writer, table, colourChoice, extraPages);
    }
    if (!painted) return FileFailure(path, "PDFのページを作れませんでした。");
    if (!file.commit()) return FileFailure(path, file.errorString());
    return {};
}
