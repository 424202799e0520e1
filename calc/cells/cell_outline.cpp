// The outline of a box of cells.
#include "calc/cells/cell_outline.h"

#include <cmath>

#include "calc/section/quantities.h"

namespace {

double Mm(double metres) {
    return std::round(metres * 1e6) / 1e3;
}

}  // namespace

CellOutline CellOutlineOf(const TData& record, const CellBox& box) {
    const double B = Mm(record.B), H = Mm(record.H), TL = Mm(record.TL), Tm = Mm(box.Tm);
    const double Bu = Mm(box.Bu), yb = Mm(record.Tb), yt = H - Mm(record.Tu);
    const double a = Mm(record.Hab), h = Mm(record.Hah);
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
