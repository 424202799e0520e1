// The figure painter: draws one chart of the result model onto any QPainter within a
// rectangle (window, report page, printer, PDF, image).
#pragma once

#include <QPainter>
#include <QRectF>

#include "calc/calc_table.h"

void PaintChart(QPainter& painter, const Chart& chart, const QRectF& rect);
