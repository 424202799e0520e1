// The report as one PDF document: ten pages in their orientations, ending complete.
#include "report/report_pdf.h"

#include <gtest/gtest.h>

#include "pdf_pages.h"
#include "report/report_pages.h"
#include "sample_table.h"

namespace {

TEST(RenderReportPdf, TenPagesInReportOrderPagesFourAndNineLandscapeEndingWithTheTrailer) {
    for (const CalcTable& table : {SampleTable(), CalcTable()}) {
        std::string pdf;
        const ReportOutcome outcome = RenderReportPdf(table, kColourFigures, {}, "", pdf);
        ASSERT_TRUE(outcome.Succeeded()) << outcome.message;
        EXPECT_TRUE(pdf.starts_with("%PDF-"));
        EXPECT_TRUE(pdf.ends_with("%%EOF\n"));
        EXPECT_EQ(PdfPageSizesOf(pdf), ReportPageSizes());
    }
}

}  // namespace
