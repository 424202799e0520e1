// The chart's background, title, left and bottom axes with their scales and titles.
#pragma once

#include <QPainter>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

void PaintBackgroundAndAxes(QPainter& painter, const Chart& chart, const ChartFrame& frame);
