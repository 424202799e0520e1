// Where a chart goes on a device: the plot rectangle, the axis ranges in force, the scale
// ticks, and the device's size of a screen pixel and of a font point.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "calc/calc_table.h"

struct AxisScale {
    double minimum = 0;
    double maximum = 1;
    std::vector<double> ticks;
    int decimals = 0;  // of the scale labels
};

struct ChartFrame {
    QRectF area;            // the whole chart
    QRectF plot;            // where the data go
    AxisScale x;            // bottom axis
    AxisScale y;            // left axis
    double pixel = 1;       // painter units per pixel of a 96-dpi screen
    double pointScale = 1;  // font point sizes are multiplied by this (undoes any painter scaling)

    QPointF Map(double dataX, double dataY) const;
    QPointF Unmap(const QPointF& position) const;  // back to data coordinates
};

// Whether a point can be drawn: a point with an infinite or undefined coordinate is left out.
bool HasPosition(const ChartPoint& point);

// The figures' fonts: proportional Japanese gothic, so every label reads the same on screen
// and paper.
QFont FigureFont(const ChartFrame& frame, double points, bool bold = false);

// The range an axis shows: its fixed range when it has a usable one, else the data's.
AxisScale AxisRange(const Chart& chart, const Axis& axis, bool horizontal);

ChartFrame LayOutChart(const QPainter& painter, const Chart& chart, const QRectF& area);

// Axis fonts and spacing, shared by the layout and the axis painter.
namespace chart_style {
inline constexpr double kTitlePoints = 10;
inline constexpr double kScalePoints = 8;
inline constexpr double kAxisTitlePoints = 9;
inline constexpr double kMargin = 6;  // pixels
inline constexpr double kTick = 4;
inline constexpr double kGap = 3;
}  // namespace chart_style

// Metrics of the painter's font on the painter's device (a printer's differ from a screen's).
QFontMetricsF PainterMetrics(const QPainter& painter);

QColor ToQColor(Colour colour);

// Text of a scale label.
QString ScaleLabel(double value, int decimals);
