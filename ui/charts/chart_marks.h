// The mark texts of a chart, each beside its point.
#pragma once

#include <QPainter>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

// Draws the marks of every series that shows them where PlaceMarks puts them: transparent,
// without frame, in the series' mark font; a mark set off from its point gets a thin leader.
void PaintMarks(QPainter& painter, const Chart& chart, const ChartFrame& frame);
