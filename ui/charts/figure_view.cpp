// The figure view.
#include "ui/charts/figure_view.h"

#include <QPainter>

#include "ui/charts/chart_painter.h"

FigureView::FigureView(CalcTable& table, std::string chartName, QWidget* parent)
    : QWidget(parent), table_(table), chartName_(std::move(chartName)) {}

void FigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(painter, table_.ChartOf(chartName_), rect());
}
