// Where the columns of a grid drawn as a table go on the page: the grid's widths scaled to the
// table's chart, a column widened where a cell text in the table's font needs more.
#pragma once

#include <QFont>
#include <QRectF>
#include <vector>

#include "report/report_page.h"

// The tables' cell font and the room kept free each side of a cell text, in report pixels.
QFont TableCellFont();
inline constexpr double kTableCellPadding = 2;

struct TableColumns {
    std::vector<double>
        gridEdges;  // grid units: the table's left end, then each column's right rule
    std::vector<double> pageEdges;  // the same edges on the page

    // A grid x on the page: within its column, in proportion.
    double PageX(double gridX) const;
};

// The columns of the grid chart drawn into area (report pixels).
TableColumns LayOutTableColumns(const ReportChart& table, const QRectF& area);
