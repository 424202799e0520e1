// Drawing the series of a chart: lines joined point to point, arrows with heads, points.
#pragma once

#include <QPainter>
#include <cstddef>
#include <vector>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

// The order in which a series' points are joined: along X (stably) when the series sorts,
// else as added.
std::vector<std::size_t> DrawingOrder(const Series& series);

// Draws one series within the plot rectangle (the caller clips to it).
void PaintSeries(QPainter& painter, const Series& series, const ChartFrame& frame);
