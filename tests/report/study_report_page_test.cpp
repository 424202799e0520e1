// The study page after the ten: landscape, with its figure and the governing-cover table.
#include "report/study_report_page.h"

#include <gtest/gtest.h>

#include "calc/study/cover_study.h"
#include "pdf_pages.h"
#include "report/report_pages.h"
#include "report/report_pdf.h"
#include "sample_table.h"

TEST(StudyReportPage, FollowsTheTenPagesWithItsFigureAndTable) {
    CoverStudy study;
    study.covers = {1.0, 2.0};
    study.results.resize(2);
    study.results[0].loadCase = 1;
    study.results[0].sections[3].utilisation = {0.5, 1.2, 0.1, 0.2};
    study.results[1].loadCase = 4;
    study.results[1].sections[4].utilisation = {0.6, 0.8, 0.1, 0.2};
    const ReportPage page = BuildStudyPage(CoverStudyChart(study), GoverningCoverGrid(study));
    EXPECT_EQ(page.title, "設計検討");
    ASSERT_EQ(page.charts.size(), 2u);
    EXPECT_TRUE(page.charts[0].chart.Find("最大"));
    ASSERT_TRUE(page.charts[1].showsGrid);
    std::vector<std::string> cells;
    for (const auto& p : page.charts[1].chart.series.at(2).points) cells.push_back(p.label);
    EXPECT_NE(std::find(cells.begin(), cells.end(), "頂版B"), cells.end());

    std::string pdf;
    ASSERT_TRUE(RenderReportPdf(SampleTable(), kColourFigures, {page}, "", pdf).Succeeded());
    QStringList sizes = ReportPageSizes();
    sizes << sizes[3];  // landscape, as page 4
    EXPECT_EQ(PdfPageSizesOf(pdf), sizes);
}
