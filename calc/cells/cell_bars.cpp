// Processing dimensions of the main bars of a box of cells.
#include "calc/cells/cell_bars.h"

#include <algorithm>
#include <cmath>

#include "calc/drawing/cad_parts.h"

namespace {

double UpToTen(double value) {
    return 10.0 * std::ceil(value / 10.0 - 1e-9);
}

OverWallBar OverWall(const TData& record, const CellBox& box, int phi) {
    OverWallBar bar;
    bar.La = LapLength(record.sigmaSaJoint, record.tauOa, phi, phi);
    bar.reach = UpToTen(MetresToMm(box.Bu) / 4 + bar.La);
    bar.length = MetresToMm(box.Tm) + 2.0 * bar.reach;
    return bar;
}

MiddleWallBar MiddleWall(const TData& record, int phi) {
    MiddleWallBar bar;
    bar.La = LapLength(record.sigmaSaJoint, record.tauOa, phi, phi);
    bar.straight = MetresToMm(record.H) - MetresToMm(record.dTop) - MetresToMm(record.dBottomLower);
    bar.depthTop = MetresToMm(record.Tu) - MetresToMm(record.dTop);
    bar.depthBottom = MetresToMm(record.Tb) - MetresToMm(record.dBottomLower);
    bar.hookTop = UpToTen(std::max(0.0, double(bar.La) - bar.depthTop));
    bar.hookBottom = UpToTen(std::max(0.0, double(bar.La) - bar.depthBottom));
    bar.length = bar.straight + bar.hookTop + bar.hookBottom;
    return bar;
}

}  // namespace

BarSchedule OuterBarSchedule(const CellBarSchedule& bars) {
    BarSchedule schedule{};
    for (int k = 0; k < kTopOverMiddleBar; ++k) schedule[std::size_t(k)] = bars[std::size_t(k)];
    return schedule;
}

CellBarLengths ComputeCellBarLengths(const TData& record, const CellBox& box,
                                     const CellBarSchedule& bars) {
    CellBarLengths lengths;
    lengths.outer = ComputeRebarLengths(record, OuterBarSchedule(bars));
    lengths.top = OverWall(record, box, bars[kTopOverMiddleBar]);
    lengths.bottom = OverWall(record, box, bars[kBottomOverMiddleBar]);
    lengths.wall = MiddleWall(record, bars[kMiddleWallBar]);
    return lengths;
}
