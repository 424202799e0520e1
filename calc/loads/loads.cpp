// Load values of chapter II: live load, earth pressures, resultants and bottom-slab reaction.
// Arithmetic is extended precision; a Single field is rounded when stored and later formulas
// read the stored value. Water enters only where a case has it, so that the documented case
// is computed exactly as the sheet shows it.
#include "calc/loads/loads.h"

#include <algorithm>

namespace {

using Real = long double;

// A pressure with a water pressure added where there is one.
Real With(Real pressure, double water) {
    return water != 0 ? pressure + water : pressure;
}

// Weight of the soil between the pavement and the depth z, kN/m²: γs throughout when dry;
// below the water table γ'.
Real Soil(const TKazyu& r, Real z, const CaseWater& w) {
    if (!w.hw) return (z - r.ha) * r.gammaS;
    const Real table = std::min(std::max(Real{*w.hw}, Real{r.ha}), z);
    return (table - r.ha) * r.gammaS + (z - table) * w.gammaSub;
}

// γw times the depth of z below a water level; 0 above it.
double WaterAt(double gammaW, Real z, Real level) {
    return z > level ? static_cast<double>(gammaW * (z - level)) : 0.0;
}

WaterPressures WaterOn(const TKazyu& r, const CaseWater& w) {
    WaterPressures p;
    if (w.hw) {
        p.top = WaterAt(w.gammaW, r.h1, *w.hw);
        p.wallTop = WaterAt(w.gammaW, r.h1d, *w.hw);
        p.wallBottom = WaterAt(w.gammaW, r.h2d, *w.hw);
    }
    if (w.boxFull) {
        const Real surface = Real{r.h1} + r.Tu;  // the inner top of the box
        p.innerTop = WaterAt(w.gammaW, r.h1d, surface);
        p.innerBottom = WaterAt(w.gammaW, r.h2d, surface);
    }
    return p;
}

// Vertical earth pressure at the top of the culvert, all load cases.
void ComputeVerticalEarthPressure(TKazyu& r, const CaseWater& w) {
    r.Pvd = Single(r.alpha * (Soil(r, r.h1, w) + r.gammaA * r.ha));
}

// Load cases 1 and 2: rear and front wheel on the top slab; in case 1 also on the walls.
void ComputeWheelLoads(TKazyu& r, int loadCase, const CaseWater& w, const WaterPressures& p) {
    r.W1 = Single(2 * Real{r.h1d} + 0.2L);
    r.PL1 = Single(2 * Real{r.P1} * (1 + Real{r.i}) / 2.75L);
    r.PvL1 = Single(Real{r.PL1} * r.beta / r.W1);
    r.PvL2 = r.L1 > 0 ? Single(Real{r.PL1} * 0.25L * r.beta / r.W1) : Single(0);
    if (loadCase == 1) {
        r.PhL1 = r.W1 > r.Bo ? r.Ko * r.PvL1 : 0;
        r.PhL2 = r.L1 > 0 ? r.Ko * r.PvL2 : 0;
    }
    r.Pv1 = Single(With(r.Pvd, p.top) + Real{r.D1} / r.Bo);
    r.Phd1 = Single(r.Ko * (Soil(r, r.h1d, w) + r.gammaA * r.ha));
    r.Phd2 = Single(r.Ko * (Soil(r, r.h2d, w) + r.gammaA * r.ha));

    // The right wall carries both wheels, the left wall the rear wheel only.
    const double top = p.wallTop - p.innerTop, bottom = p.wallBottom - p.innerBottom;
    r.Ph4 = Single(With(Real{r.Phd2} + r.PhL1, bottom));
    r.Ph3 = Single(With(Real{r.Phd1} + r.PhL1, top));
    r.Ph2 = Single(With(Real{r.Phd2} + r.PhL1 + r.PhL2, bottom));
    r.Ph1 = Single(With(Real{r.Phd1} + r.PhL1 + r.PhL2, top));

    r.Pv1Frame = r.Pv1;
    r.PvL1Frame = r.PvL1;
    r.PvL2Frame = r.PvL2;
}

// The height of the resultant of a trapezoidal pressure above its bottom end; a wall without
// pressure (the water inside balancing the earth) has none, taken as 0.
Single WallArm(Real Ho, Single top, Single bottom) {
    const Real sum = Real{top} + bottom;
    return sum == 0 ? Single(0) : Single(Ho * (2 * Real{top} + bottom) / sum / 3);
}

// Resultants of the trapezoidal wall pressures (top value first), e measured from the
// bottom-slab axis.
void ComputeWallResultants(TKazyu& r) {
    const Real Ho = r.Ho;
    r.Sp1 = Single(Ho * (Real{r.Ph2} + r.Ph1) / 2);
    r.e1 = WallArm(Ho, r.Ph1, r.Ph2);
    r.Sp2 = Single(Ho * (Real{r.Ph4} + r.Ph3) / 2);
    r.e2 = WallArm(Ho, r.Ph3, r.Ph4);
}

// The point of action of a resultant from its moment. A resultant of zero (no cover, no
// wheel load and a concrete weight of zero, which the input allows) has no point of action;
// it is taken as 0 so that 0/0 never reaches the sheet or the frame.
Single Arm(Real moment, Single resultant) {
    return resultant == 0 ? 0 : moment / resultant;
}

// Resultants of the top and bottom slab, e measured from the left wall axis. The front-wheel
// band of length L1 lies against joint C, its centroid at L2 + L1/2. The water on the top
// slab acts with the earth pressure over the span.
void ComputeSlabResultants(TKazyu& r, const WaterPressures& p) {
    const Real Bo = r.Bo;
    const Real front = Real{r.PvL2} * r.L1;
    const Real frontMoment = front * (Real{r.L1} / 2 + r.L2);
    const Real earth = With(r.Pvd, p.top) * Bo;
    if (r.W1 > r.Bo) {
        r.Sp3 = earth + r.D1 + Real{r.PvL1} * Bo + front;
        r.e3 = Arm(earth * Bo / 2 + Real{r.D1} * Bo / 2 + Real{r.PvL1} * Bo * Bo / 2 + frontMoment,
                   r.Sp3);
    } else {
        // The band is narrower than the span: the whole line load PL1 enters, as the sheet
        // shows it.
        r.Sp3 = earth + r.D1 + r.PL1 + front;
        r.e3 =
            Arm(earth * Bo / 2 + Real{r.D1} * Bo / 2 + Real{r.PL1} * Bo / 2 + frontMoment, r.Sp3);
    }
    r.Sp4 = Real{r.Sp3} + r.D2;
    r.e4 = Arm(Real{r.Sp2} * r.e2 + Real{r.Sp3} * r.e3 - Real{r.Sp1} * r.e1 + Bo * r.D2 / 2, r.Sp4);
    r.Sp5 = Real{r.Sp1} - r.Sp2;
    r.Pv2L = 2 * Real{r.Sp4} * (2 - 3 * Real{r.e4} / Bo) / Bo;
    r.Pv2R = 2 * Real{r.Sp4} * (3 * Real{r.e4} / Bo - 1) / Bo;
}

// Load cases 3 to 5: a uniform load instead of the wheels, symmetric pressures.
void ComputeUniformLoads(TKazyu& r, int loadCase, const CaseWater& w, const WaterPressures& p) {
    const Real onTop = loadCase == 4 ? 10.0L : loadCase == 5 ? Real{r.q} : 0.0L;
    r.Pv1 = Single(With(r.Pvd, p.top) + onTop + Real{r.D1} / r.Bo);
    r.qApplied = loadCase == 5 ? r.q : 10.0;
    r.Phd1q = Single(r.Ko * (Soil(r, r.h1d, w) + r.qApplied + r.gammaA * r.ha));
    r.Phd2q = Single(r.Ko * (Soil(r, r.h2d, w) + r.qApplied + r.gammaA * r.ha));
    r.Pv2 = Single(Real{r.Pv1} + Real{r.D2} / r.Bo);
    r.PhL1 = r.PhL2 = 0;
    r.Ph4 = r.Ph2 = Single(With(r.Phd2q, p.wallBottom - p.innerBottom));
    r.Ph3 = r.Ph1 = Single(With(r.Phd1q, p.wallTop - p.innerTop));
    r.Pv1Frame = r.Pv1;
    r.PvL1Frame = r.PvL2Frame = 0;
    r.Pv2L = r.Pv2R = r.Pv2;
}

}  // namespace

WaterPressures ComputeLoads(TKazyu& record, int loadCase, const CaseWater& water) {
    const WaterPressures pressures = WaterOn(record, water);
    ComputeVerticalEarthPressure(record, water);
    if (loadCase == 1 || loadCase == 2) {
        ComputeWheelLoads(record, loadCase, water, pressures);
        ComputeWallResultants(record);
        ComputeSlabResultants(record, pressures);
    } else {
        ComputeUniformLoads(record, loadCase, water, pressures);
    }
    ComputeLoadTerms(record);
    return pressures;
}

void ComputeLoads(TKazyu& record, int loadCase) {
    ComputeLoads(record, loadCase, CaseWater{});
}
