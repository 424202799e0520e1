// Placing the components of a report page.
#include "report/page_builder.h"

TextBox Box(double leftMm, double topMm, double heightMm) {
    TextBox box;
    box.left = Mm(leftMm);
    box.top = Mm(topMm);
    box.height = Mm(heightMm);
    return box;
}

PageText Text(double leftMm, double topMm, std::vector<std::string> lines, int fontHeight) {
    return PageText{Mm(leftMm), Mm(topMm), fontHeight, std::move(lines)};
}

ReportChart Figure(double leftMm, double topMm, double widthMm, double heightMm,
                   const std::string& title, int seriesCount) {
    ReportChart figure;
    figure.left = Mm(leftMm);
    figure.top = Mm(topMm);
    figure.width = Mm(widthMm);
    figure.height = Mm(heightMm);
    figure.chart.title = title;
    for (int i = 1; i <= seriesCount; ++i) {
        Series& series = figure.chart.Get("Series" + std::to_string(i));
        KeepInsertionOrder(series);
    }
    return figure;
}

ReportChart Table(double leftMm, double topMm, const std::string& title) {
    ReportChart table;
    table.left = Mm(leftMm);
    table.top = Mm(topMm);
    table.chart.title = title;
    return table;
}

void PageBuilder::List(const char* name, TextBox box) {
    kekka_.CopyListToMemo(table_.List(name), box);
    page_.textBoxes.push_back(std::move(box));
}

Chart& PageBuilder::Copy(const char* name, ReportChart figure) {
    kekka_.CopyChart(table_.ChartOf(name), figure.chart);
    page_.charts.push_back(std::move(figure));
    return page_.charts.back().chart;
}

void PageBuilder::Grid(const char* name, ReportChart table) {
    kekka_.DrawGridAsChart(table_.GridOf(name), table);
    page_.charts.push_back(std::move(table));
}
