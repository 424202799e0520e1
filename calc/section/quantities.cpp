// Quantities per metre of culvert.
#include "calc/section/quantities.h"

#include <algorithm>
#include <cmath>

namespace {

struct UnitMassEntry {
    int diameter;
    double kgPerMetre;
};

// Nominal unit masses of deformed bars.
constexpr UnitMassEntry kUnitMasses[] = {
    {6, 0.249}, {10, 0.560}, {13, 0.995}, {16, 1.56}, {19, 2.25}, {22, 3.04}, {25, 3.98},
    {29, 5.04}, {32, 6.23},  {35, 7.51},  {38, 8.95}, {41, 10.5}, {51, 15.9},
};

constexpr int kPitches[] = {125, 150, 200, 250, 300};

// barSchedule entry and count per cross-section of bars 1 to 5; bar 5 stands in both walls.
struct MarkSource {
    int entry;
    int count;
};
constexpr MarkSource kMarks[kMainBarCount] = {{3, 1}, {2, 1}, {5, 1}, {6, 1}, {4, 2}};

std::array<Single, kMainBarCount> MarkLengths(const RebarLengths& r) {
    return {r.LTop, r.LBottom, r.across, r.across, r.upright};
}

}  // namespace

void AddBarMass(SteelQuantities& steel, BarQuantity& bar, int pitch) {
    // L mm a bar, count bars every pitch mm: L·count/pitch m of bar per metre.
    bar.mass = double(bar.length) * bar.count / pitch * bar.unitMass;
    auto& byDiameter = steel.byDiameter;
    const auto at = std::find_if(byDiameter.begin(), byDiameter.end(),
                                 [&](const DiameterMass& d) { return d.diameter >= bar.diameter; });
    if (at == byDiameter.end() || at->diameter != bar.diameter)
        byDiameter.insert(at, {bar.diameter, bar.mass});
    else
        at->mass += bar.mass;
    steel.total += bar.mass;
}

std::optional<SteelQuantities> MainBarSteel(const BarSchedule& barSchedule, const RebarLengths& r) {
    if (!BarsFound(barSchedule, r)) return std::nullopt;
    const int pitch = barSchedule[1];
    const auto lengths = MarkLengths(r);
    SteelQuantities steel;
    for (int k = 0; k < kMainBarCount; ++k) {
        BarQuantity& bar = steel.bars[k];
        bar.diameter = barSchedule[kMarks[k].entry];
        bar.length = lengths[k];
        bar.count = kMarks[k].count;
        bar.unitMass = *UnitMass(bar.diameter);
        AddBarMass(steel, bar, pitch);
    }
    return steel;
}

bool BarsFound(const BarSchedule& barSchedule, const RebarLengths& lengths) {
    if (std::find(std::begin(kPitches), std::end(kPitches), barSchedule[1]) == std::end(kPitches))
        return false;
    const auto marks = MarkLengths(lengths);
    for (int k = 0; k < kMainBarCount; ++k)
        if (!UnitMass(barSchedule[kMarks[k].entry]) || !(marks[k] > 0)) return false;
    return true;
}

std::optional<double> UnitMass(int diameter) {
    for (const UnitMassEntry& entry : kUnitMasses)
        if (entry.diameter == diameter) return entry.kgPerMetre;
    return std::nullopt;
}

bool HasLowerHaunches(const TData& record) {
    return record.boxOpening.n == 8;
}

double ConcreteVolume(const TData& record) {
    const double B = record.B, H = record.H, Bu = record.Bu, Hu = record.Hu;
    const double haunch = double(record.Hab) * record.Hah;  // two triangles
    return B * H - Bu * Hu + haunch + (HasLowerHaunches(record) ? haunch : 0.0);
}

double FormworkArea(const TData& record) {
    const double Hab = record.Hab, Hah = record.Hah;
    const int haunchRows = HasLowerHaunches(record) ? 2 : 1;
    const double slope = std::hypot(Hab, Hah);
    const double outerWalls = 2.0 * record.H;
    const double innerWalls = 2.0 * (record.Hu - haunchRows * Hah);
    const double topSlab = record.Bu - 2.0 * Hab;
    return outerWalls + innerWalls + topSlab + 2.0 * haunchRows * slope;
}

Quantities ComputeQuantities(const TData& record, const BarSchedule& barSchedule,
                             const RebarLengths& lengths) {
    Quantities q;
    q.concrete = ConcreteVolume(record);
    q.formwork = FormworkArea(record);
    q.pitch = barSchedule[1];
    q.steel = MainBarSteel(barSchedule, lengths);
    return q;
}
