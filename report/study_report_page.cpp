// Layout of the study page.
#include "report/study_report_page.h"

#include "report/draw_kekka.h"

ReportPage BuildStudyPage(const Chart& figure, const Grid& governing) {
    ReportPage page;
    page.number = kStudyPageNumber;
    page.title = "設計検討";
    page.orientation = Orientation::Landscape;
    page.texts.push_back({Mm(25),
                          Mm(25),
                          13,
                          {"土かぶりを変えたときの各照査の応力度比（許容値に対する比）を示す。"}});

    ReportChart chart;
    chart.left = Mm(25);
    chart.top = Mm(33);
    chart.width = Mm(165);
    chart.height = Mm(150);
    chart.chart = figure;
    page.charts.push_back(std::move(chart));

    page.texts.push_back({Mm(197), Mm(40), 13, {"支配する土かぶり"}});
    ReportChart table;
    table.left = Mm(197);
    table.top = Mm(47);
    TDrawKekka().DrawGridAsChart(governing, table);
    page.charts.push_back(std::move(table));
    return page;
}
