// The mark texts of a series, each beside its point.
#pragma once

#include <QPainter>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

// Draws the marks of a series that shows them: transparent, without frame, centred on the
// point and set off by the series' mark offset (screen pixels; positive above, negative
// below). On a vertical run of a line the text turns to read upwards, so the line does not
// cross it: "above" is then to the left. A blank mark shows nothing, nor does the mark of a
// point outside the plot.
void PaintMarks(QPainter& painter, const Series& series, const ChartFrame& frame);
