// The figure painter: draws one chart of the result model onto any QPainter within a
// rectangle (window, report page, printer, PDF, image).
#pragma once

#include <QPainter>
#include <QRectF>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

// Fonts, line widths and mark offsets keep their physical size on every device: the device's
// resolution sets them, whatever scaling the painter applies. The axis ranges map onto the
// plot as given, so a figure is exactly as true to scale as its ranges make it.
void PaintChart(QPainter& painter, const Chart& chart, const QRectF& rect);

// The same, into a frame laid out beforehand (LayOutChart), for a view that maps the mouse
// with the very frame it drew.
void PaintChartInFrame(QPainter& painter, const Chart& chart, const ChartFrame& frame);
