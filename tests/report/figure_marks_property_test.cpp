// The marks of every figure, in the window and on the report pages, over seeded random designs
// at the smallest and the largest figure font size: no two overlap (node letters included),
// none crosses the edge of its plot, and every mark finds a place.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <string>

#include "calc/figure_controls.h"
#include "calc/run.h"
#include "report/report_pages.h"
#include "tests/calc/random_design.h"
#include "ui/charts/chart_frame.h"
#include "ui/charts/mark_layout.h"

namespace {

constexpr int kDesigns = 100;

// The figures of the result tabs at their size in the window.
struct WindowFigure {
    const char* chart;
    QSizeF size;
};
const WindowFigure kWindowFigures[] = {
    {"Chart2", {409, 377}}, {"Chart1", {601, 337}},  {"Chart3", {295, 131}},
    {"Chart6", {295, 131}}, {"Chart4", {295, 131}},  {"Chart5", {295, 131}},
    {"Chart9", {338, 309}}, {"Chart10", {338, 309}}, {"Chart13", {369, 377}},
};

const int kPagesWithFigures[] = {1, 4, 7, 8, 10};

// Checks the marks of one chart laid out in a rectangle of report pixels (96 to the inch) on a
// device of the given resolution, drawn on through a painter scaled as a page is.
void ExpectApart(const Chart& chart, QSizeF size, double dpi, const std::string& where) {
    QImage device(1, 1, QImage::Format_ARGB32);
    device.setDotsPerMeterX(static_cast<int>(dpi / 0.0254));
    device.setDotsPerMeterY(static_cast<int>(dpi / 0.0254));
    QPainter painter(&device);
    painter.scale(dpi / 96, dpi / 96);
    const ChartFrame frame = LayOutChart(painter, chart, QRectF(QPointF(), size));
    const std::vector<PlacedMark> marks = PlaceMarks(chart, frame, painter.device());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const PlacedMark& mark = marks[i];
        ASSERT_FALSE(mark.box.isEmpty()) << where << ": no place for " << mark.text.toStdString();
        EXPECT_TRUE(frame.plot.contains(mark.box)) << where << ": " << mark.text.toStdString();
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(mark.box.intersects(marks[j].box))
                << where << ": " << mark.text.toStdString() << " over "
                << marks[j].text.toStdString();
    }
}

TEST(FigureMarks, NeverOverlapNorLeaveThePlot) {
    std::mt19937 random(20261210);
    int completed = 0;
    for (int n = 0; n < kDesigns; ++n) {
        const DesignConditions design = random_design::RandomDesign(random);
        CalcTable table;
        RecordingMessenger messenger;
        if (RunCalculation(design, table, messenger) != RunResult::Completed) continue;
        ++completed;
        for (int size : {5, 12}) {
            SetFigureFontSize(table, size);
            const std::string where =
                "design " + std::to_string(n) + ", size " + std::to_string(size) + ", ";
            for (const WindowFigure& figure : kWindowFigures)
                ExpectApart(table.ChartOf(figure.chart), figure.size, 96, where + figure.chart);
            for (int page : kPagesWithFigures)
                for (const ReportChart& chart : BuildReportPage(page, table, 0).charts)
                    if (!chart.showsGrid)
                        ExpectApart(
                            chart.chart, QSizeF(chart.width, chart.height), 300,
                            where + "page " + std::to_string(page) + " " + chart.chart.title);
            if (::testing::Test::HasFailure()) return;  // one design's failures are enough
        }
    }
    EXPECT_GT(completed, kDesigns / 2);
}

}  // namespace
