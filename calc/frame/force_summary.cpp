// Rows 1 to 12 are the sections A, M, B of AB, then B, M, C of BC, C, M, D of CD and D, M, A of
// DA. A middle section has no end shear (0) and no 2d shear ("---").
#include "calc/frame/force_summary.h"

#include "calc/sheet/format_line.h"

namespace {

void WriteMember(const MemberForces& f, int firstRow, Grid& grid) {
    const auto cell = ForceText;
    const int start = firstRow, middle = firstRow + 1, end = firstRow + 2;
    grid.Cell(1, start) = cell(f.MStart);
    grid.Cell(1, middle) = cell(f.MMax);
    grid.Cell(1, end) = cell(f.MEnd);
    grid.Cell(2, start) = cell(f.NStart);
    grid.Cell(2, middle) = cell(f.NMid);
    grid.Cell(2, end) = cell(f.NEnd);
    grid.Cell(3, start) = cell(f.SStart);
    grid.Cell(3, middle) = cell(0);
    grid.Cell(3, end) = cell(f.SEnd);
    grid.Cell(4, start) = cell(f.S2dStart);
    grid.Cell(4, middle) = "---";
    grid.Cell(4, end) = cell(f.S2dEnd);
}

void WriteGrid(const TKakou& r, Grid& grid) {
    WriteMember(r.forcesAB, 1, grid);
    WriteMember(r.forcesBC, 4, grid);
    WriteMember(r.forcesCD, 7, grid);
    WriteMember(r.forcesDA, 10, grid);
}

}  // namespace

std::string ForceText(Single value) {
    return FormatLine("+0.00;-0.00"_pattern, value);
}

void ShowForceSummary(const TKakou& record, CalcTable& table) {
    Grid& summary = table.GridOf("StringGrid1");
    WriteGrid(record, summary);
    // The design grid shows the same texts in its force columns.
    Grid& design = table.GridOf("StringGrid3");
    for (int row = 1; row <= 12; ++row)
        for (int column = 1; column <= 4; ++column)
            design.Cell(column, row) = summary.Cell(column, row);
}
