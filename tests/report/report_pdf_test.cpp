// The report as one PDF file: ten pages in their orientations, written whole or not at all.
#include "report/report_pdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "pdf_pages.h"
#include "report/report_pages.h"
#include "sample_table.h"

namespace {

TEST(WriteReportPdf, TenPagesInReportOrderPagesFourAndNineLandscape) {
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    const ReportOutcome outcome = WriteReportPdf(path.toStdString(), SampleTable(), kColourFigures);
    ASSERT_TRUE(outcome.Succeeded()) << outcome.message;
    EXPECT_EQ(PdfPageSizes(path), ReportPageSizes());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

TEST(WriteReportPdf, ReplacesAnEarlierFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an earlier report");
    }
    ASSERT_TRUE(WriteReportPdf(path.toStdString(), CalcTable(), kColourFigures).Succeeded());
    EXPECT_EQ(PdfPageSizes(path), ReportPageSizes());
}

TEST(WriteReportPdf, IntoAMissingFolderLeavesNothingAndSaysWhy) {
    QTemporaryDir folder;
    const std::string path = folder.filePath("missing/report.pdf").toStdString();
    const ReportOutcome outcome = WriteReportPdf(path, SampleTable(), kColourFigures);
    EXPECT_EQ(outcome.result, ReportResult::FileError);
    EXPECT_NE(outcome.message.find(path), std::string::npos) << outcome.message;
    EXPECT_GT(outcome.message.size(), path.size() + 40) << "a reason besides the path";
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
