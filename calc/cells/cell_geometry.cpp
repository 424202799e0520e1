// The cells of the box across its width.
#include "calc/cells/cell_geometry.h"

CellGeometry CellGeometryOf(const TData& r) {
    CellGeometry cells;
    cells.n = MultiCell(r) ? r.cells : 1;
    cells.Tm = cells.n == 1 ? 0.0 : static_cast<double>(r.Tm);
    const double B = r.B, TL = r.TL;
    cells.Bu = (B - 2 * TL - (cells.n - 1) * cells.Tm) / cells.n;
    cells.wallAxes[0] = -B / 2 + TL / 2;
    for (int k = 1; k < cells.n; ++k)
        cells.wallAxes[std::size_t(k)] =
            -B / 2 + TL + k * cells.Bu + (k - 1) * cells.Tm + cells.Tm / 2;
    cells.wallAxes[std::size_t(cells.n)] = B / 2 - TL / 2;
    return cells;
}
