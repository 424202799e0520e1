// Drawing the series of a chart: lines joined point to point, arrows with heads, points.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

// The part of the segment a-b inside the box (Liang-Barsky), none when it misses the box; so
// points far outside a zoomed view never reach the device as huge coordinates.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& box);

// The order in which a series' points are joined: along X (stably) when the series sorts,
// else as added.
std::vector<std::size_t> DrawingOrder(const Series& series);

// Draws one series within the plot rectangle (the caller clips to it).
void PaintSeries(QPainter& painter, const Series& series, const ChartFrame& frame);
