// The figure painter.
#include "ui/charts/chart_painter.h"

void PaintChart(QPainter& painter, const Chart& chart, const QRectF& rect) {
    painter.drawRect(rect);
    painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(chart.title));
}
