// Painting the report pages into one PDF document.
#include "report/report_pdf.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "report/page_painter.h"
#include "report/report_pages.h"

namespace {

ReportOutcome Failure(const char* reason) {
    return {ReportResult::FileError, std::string("計算書PDFを作れませんでした。") + reason};
}

// Paints every page into the writer; false when the writer cannot be painted on.
bool PaintPages(QPdfWriter& writer, const CalcTable& table, int colourChoice,
                const std::vector<ReportPage>& extraPages, const std::string& header) {
    QPainter painter;
    for (const ReportPage& page : WholeReport(table, colourChoice, extraPages, header)) {
        writer.setPageLayout(ReportPageLayout(page));
        const bool started = painter.isActive() ? writer.newPage() : painter.begin(&writer);
        if (!started) return false;
        PaintReportPage(painter, page);
    }
    return painter.end();
}

// A document is complete when its trailer and the start of its cross-reference table are
// followed by the end-of-file mark.
bool Complete(const QByteArray& pdf) {
    const QByteArray end = pdf.trimmed();
    const auto trailer = end.lastIndexOf("trailer");
    const auto startXref = end.lastIndexOf("startxref");
    return end.startsWith("%PDF-") && end.endsWith("%%EOF") && trailer >= 0 && startXref > trailer;
}

}  // namespace

ReportOutcome RenderReportPdf(const CalcTable& table, int colourChoice,
                              const std::vector<ReportPage>& extraPages, const std::string& header,
                              std::string& pdf) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator("Dolmeta");
        painted = PaintPages(writer, table, colourChoice, extraPages, header);
    }  // the writer ends the document when it goes
    if (!painted) return Failure("ページを描けません。");
    if (!Complete(buffer.data())) return Failure("文書が最後まで書かれていません。");
    pdf.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return {};
}
