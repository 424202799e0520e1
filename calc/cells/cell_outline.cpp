// The outline of a box of cells.
#include "calc/cells/cell_outline.h"

#include "calc/drawing/cad_parts.h"
#include "calc/section/quantities.h"

CellOutline CellOutlineOf(const TData& record, const CellBox& box) {
    const double B = MetresToMm(record.B), H = MetresToMm(record.H), TL = MetresToMm(record.TL),
                 Tm = MetresToMm(box.Tm);
    const double Bu = MetresToMm(box.Bu), yb = MetresToMm(record.Tb),
                 yt = H - MetresToMm(record.Tu);
    const double a = MetresToMm(record.Hab), h = MetresToMm(record.Hah);
    const bool haunch = a > 0 && h > 0, lower = haunch && HasLowerHaunches(record);
    CellOutline outline;
    outline.outer = {{0, 0}, {B, 0}, {B, H}, {0, H}};
    for (int k = 0; k < box.cells; ++k) {
        const double xl = TL + k * (Bu + Tm), xr = xl + Bu;
        std::vector<CadPoint>& o = outline.openings.emplace_back();
        if (lower)
            o.insert(o.end(), {{xl + a, yb}, {xr - a, yb}, {xr, yb + h}});
        else
            o.insert(o.end(), {{xl, yb}, {xr, yb}});
        if (haunch)
            o.insert(o.end(), {{xr, yt - h}, {xr - a, yt}, {xl + a, yt}, {xl, yt - h}});
        else
            o.insert(o.end(), {{xr, yt}, {xl, yt}});
        if (lower) o.push_back({xl, yb + h});
        if (k > 0) outline.middleAxes.push_back(xl - Tm / 2);
    }
    return outline;
}
