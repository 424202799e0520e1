// Where the mark texts of a chart go: each beside its point on the side its line leaves free,
// clear of every other mark and inside the plot; moved further off, with a short leader from
// its point, where the space beside the point is taken.
#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "calc/calc_table.h"
#include "ui/charts/chart_frame.h"

struct PlacedMark {
    QString text;         // without the blanks that pad it
    QRectF box;           // the text's rectangle on the device
    bool upright = true;  // false: the text reads upwards, beside a vertical run of its line
    QPointF point;        // the point it belongs to
    QLineF leader;        // from the point to the box; null when the mark sits beside it
    int fontSize = 9;     // points
    Colour colour;
};

// The marks of every series that shows them, for the chart laid out in frame on device (null:
// the screen). Node letters (one-character marks) are placed first. No two boxes intersect,
// none crosses the plot's edge and no box covers a leader; a mark shown twice at one point is
// placed once. Where the plot cannot hold all marks at the sizes chosen, all of them are set a
// point smaller at a time, down to the smallest figure font size; a mark for which even then
// no free place is left comes with an empty box and is not drawn. The mark of a point outside
// the plot is not listed.
std::vector<PlacedMark> PlaceMarks(const Chart& chart, const ChartFrame& frame,
                                   const QPaintDevice* device);
