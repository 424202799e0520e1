// Chapter Ⅵ in the report of a wet design, read back from the PDF by poppler: its pages follow
// the ten, numbered with them, before the summary; a dry design has none.
#include "report/water_pages.h"

#include <gtest/gtest.h>

#include "calc/run.h"
#include "report/check_page.h"
#include "report/report_pages.h"
#include "report/report_pdf.h"
#include "tests/files/pdf_text.h"

namespace {

CalcTable RunOf(const DesignConditions& conditions) {
    CalcTable table;
    RecordingMessenger messenger;
    EXPECT_EQ(RunCalculation(conditions, table, messenger), RunResult::Completed);
    return table;
}

TEST(WaterPages, FollowTheTenBeforeTheSummaryWithTheirChecks) {
    EXPECT_TRUE(WaterChapterPages(RunOf(DesignConditions{})).empty());

    DesignConditions wet;
    wet.hw = "1.00";
    const CalcTable table = RunOf(wet);
    // The groundwater case's sheet, the load diagrams, the checks, the forces by case.
    ASSERT_EQ(WaterChapterPages(table).size(), 4u);
    std::string pdf;
    ASSERT_TRUE(
        RenderReportPdf(table, kColourFigures, {BuildCheckPage(table)}, "", pdf).Succeeded());
    EXPECT_NE(PdfPageText(pdf, 9).find("支配ケース"), std::string::npos);  // chapter Ⅳ's note
    const std::vector<std::pair<int, std::vector<const char*>>> expected = {
        {11, {"Ⅵ．水位・安定計算(1)", "外水ケース", "=46.80kN/m2", "11 / 15"}},
        {12, {"作用荷重図(外水ケース)", "12 / 15"}},
        {13, {"浮上りに対する検討", "Fs=1.708", "OK", "13 / 15"}},
        {14, {"荷重ケース別の断面力と支配ケース", "外水", "14 / 15"}},
        {15, {"照査一覧", "15 / 15"}},
    };
    for (const auto& [page, texts] : expected) {
        const std::string text = PdfPageText(pdf, page);
        for (const char* t : texts) EXPECT_NE(text.find(t), std::string::npos) << page << " " << t;
    }
}

}  // namespace
