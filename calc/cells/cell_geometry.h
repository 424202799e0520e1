// The cells of the box across its width: their number, the middle walls' thickness, the inner
// width each cell has and where the walls' axes stand. B is the outer width of the whole box;
// the cells are equally wide.
#pragma once

#include <array>
#include <span>

#include "calc/design_conditions.h"
#include "calc/record.h"

// Whether the record is of a box of two or three cells.
inline bool MultiCell(const TData& record) {
    return record.cells == 2 || record.cells == 3;
}

struct CellGeometry {
    int n = 1;
    double Tm = 0;  // m; 0 with one cell
    double Bu = 0;  // inner width of each cell, (B − 2·TL − (n − 1)·Tm) / n, m
    // x of the walls' axes in m, left to right: the left outer wall, the middle walls, the
    // right outer wall; from the box's centre line, as the record's outlines are.
    std::array<double, kMaxCells + 1> wallAxes{};

    std::span<const double> WallAxes() const { return {wallAxes.data(), std::size_t(n + 1)}; }
    // The distance between the axes of the walls either side of cell k (0-based), m.
    double Span(int k) const { return wallAxes[std::size_t(k + 1)] - wallAxes[std::size_t(k)]; }
};

// The cells of a record read from conditions that passed the checks (one cell for any other
// count).
CellGeometry CellGeometryOf(const TData& record);
