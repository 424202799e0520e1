// The figure painter.
#include "ui/charts/chart_painter.h"

#include "ui/charts/chart_axes.h"
#include "ui/charts/chart_marks.h"
#include "ui/charts/chart_series.h"

void PaintChart(QPainter& painter, const Chart& chart, const QRectF& rect) {
    PaintChartInFrame(painter, chart, LayOutChart(painter, chart, rect));
}

void PaintChartInFrame(QPainter& painter, const Chart& chart, const ChartFrame& frame) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBrush(Qt::NoBrush);
    PaintBackgroundAndAxes(painter, chart, frame);
    painter.save();
    painter.setClipRect(frame.plot, Qt::IntersectClip);
    for (const Series& series : chart.series) PaintSeries(painter, series, frame);
    painter.restore();
    PaintMarks(painter, chart, frame);
    painter.restore();
}
