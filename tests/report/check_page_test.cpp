// The report as a deliverable: the header over every page, "n / N" under it, and the summary
// of the checks after the ten pages, read back from the PDF by poppler.
#include "report/check_page.h"

#include <gtest/gtest.h>

#include "calc/run.h"
#include "pdf_pages.h"
#include "report/report_pages.h"
#include "report/report_pdf.h"
#include "tests/files/pdf_text.h"

namespace {

CalcTable DefaultRun() {
    CalcTable table;
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(DesignConditions{}, table, messenger), RunResult::Completed);
    return table;
}

TEST(ReportHeader, NamesWhatIsGiven) {
    EXPECT_EQ(ReportHeader("", ""), "");
    EXPECT_EQ(ReportHeader("○○線函渠工", ""), "工事名：○○線函渠工");
    EXPECT_EQ(ReportHeader("", "山田"), "設計者：山田");
    EXPECT_EQ(ReportHeader("○○線函渠工", "山田"), "工事名：○○線函渠工　設計者：山田");
}

TEST(ReportPdf, EveryPageNumberedWithTheHeaderAndTheSummaryAfterTheTen) {
    const CalcTable table = DefaultRun();
    const std::string header = ReportHeader("○○線函渠工", "山田");
    std::string pdf;
    ASSERT_TRUE(RenderReportPdf(table, kColourFigures, {}, header, pdf).Succeeded());
    for (int page = 1; page <= kReportPageCount; ++page) {
        const std::string text = PdfPageText(pdf, page);
        EXPECT_NE(text.find(std::to_string(page) + " / 10"), std::string::npos) << page;
        EXPECT_NE(text.find("工事名：○○線函渠工"), std::string::npos) << page;
        EXPECT_NE(text.find("設計者：山田"), std::string::npos) << page;
    }

    // Without a header the pages carry their numbers only; the summary follows as page 11.
    ASSERT_TRUE(
        RenderReportPdf(table, kColourFigures, {BuildCheckPage(table)}, "", pdf).Succeeded());
    EXPECT_NE(PdfPageText(pdf, 3).find("3 / 11"), std::string::npos);
    EXPECT_EQ(PdfPageText(pdf, 3).find("工事名"), std::string::npos);
    const std::string summary = PdfPageText(pdf, 11);
    for (const char* expected : {"照査一覧", "11 / 11", "σc/σca", "τ2d/τa", "頂版M", "支配せん断",
                                 "数量（延長1m当り）", "コンクリート", "m3/m", "鉄筋計"})
        EXPECT_NE(summary.find(expected), std::string::npos) << expected;
    QStringList sizes = ReportPageSizes();
    sizes << sizes[3];  // landscape, as page 4
    EXPECT_EQ(PdfPageSizesOf(pdf), sizes);
}

}  // namespace
