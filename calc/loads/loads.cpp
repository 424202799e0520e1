// Load values of chapter II: live load, earth pressures, resultants and bottom-slab reaction.
// Arithmetic is extended precision; a Single field is rounded when stored and later formulas
// read the stored value.
#include "calc/loads/loads.h"

namespace {

using Real = long double;

// Vertical earth pressure at the top of the culvert, all load cases.
void ComputeVerticalEarthPressure(TKakou& r) {
    r.Pvd = r.alpha * ((Real{r.h1} - r.ha) * r.gammaS + r.gammaA * r.ha);
}

// Load cases 1 and 2: rear and front wheel on the top slab; in case 1 also on the walls.
void ComputeWheelLoads(TKakou& r, int loadCase) {
    r.W1 = 2 * Real{r.h1d} + 0.2L;
    r.PL1 = 2 * Real{r.P1} * (1 + Real{r.i}) / 2.75L;
    r.PvL1 = Real{r.PL1} * r.beta / r.W1;
    r.PvL2 = r.L1 > 0 ? Real{r.PL1} * 0.25L * r.beta / r.W1 : 0;
    if (loadCase == 1) {
        r.PhL1 = r.W1 > r.Bo ? r.Ko * r.PvL1 : 0;
        r.PhL2 = r.L1 > 0 ? r.Ko * r.PvL2 : 0;
    }
    r.Pv1 = Real{r.Pvd} + Real{r.D1} / r.Bo;
    r.Phd1 = r.Ko * ((Real{r.h1d} - r.ha) * r.gammaS + r.gammaA * r.ha);
    r.Phd2 = r.Ko * ((Real{r.h2d} - r.ha) * r.gammaS + r.gammaA * r.ha);

    // The right wall carries both wheels, the left wall the rear wheel only.
    r.Ph4 = Real{r.Phd2} + r.PhL1;
    r.Ph3 = Real{r.Phd1} + r.PhL1;
    r.Ph2 = Real{r.Phd2} + r.PhL1 + r.PhL2;
    r.Ph1 = Real{r.Phd1} + r.PhL1 + r.PhL2;

    r.Pv1Frame = r.Pv1;
    r.PvL1Frame = r.PvL1;
    r.PvL2Frame = r.PvL2;
}

// Resultants of the trapezoidal wall pressures (top value first), e measured from the
// bottom-slab axis.
void ComputeWallResultants(TKakou& r) {
    const Real Ho = r.Ho;
    r.Sp1 = Ho * (Real{r.Ph2} + r.Ph1) / 2;
    r.e1 = Ho * (2 * Real{r.Ph1} + r.Ph2) / (Real{r.Ph1} + r.Ph2) / 3;
    r.Sp2 = Ho * (Real{r.Ph4} + r.Ph3) / 2;
    r.e2 = Ho * (2 * Real{r.Ph3} + r.Ph4) / (Real{r.Ph3} + r.Ph4) / 3;
}

// The point of action of a resultant from its moment. A resultant of zero (no cover, no
// wheel load and a concrete weight of zero, which the input allows) has no point of action;
// it is taken as 0 so that 0/0 never reaches the sheet or the frame.
Single Arm(Real moment, Single resultant) {
    return resultant == 0 ? 0 : moment / resultant;
}

// Resultants of the top and bottom slab, e measured from the left wall axis. The front-wheel
// band of length L1 lies against joint C, its centroid at L2 + L1/2.
void ComputeSlabResultants(TKakou& r) {
    const Real Bo = r.Bo;
    const Real front = Real{r.PvL2} * r.L1;
    const Real frontMoment = front * (Real{r.L1} / 2 + r.L2);
    const Real earth = Real{r.Pvd} * Bo;
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
void ComputeUniformLoads(TKakou& r, int loadCase) {
    const Real onTop = loadCase == 4 ? 10.0L : loadCase == 5 ? Real{r.q} : 0.0L;
    r.Pv1 = Real{r.Pvd} + onTop + Real{r.D1} / r.Bo;
    r.qApplied = loadCase == 5 ? r.q : 10.0;
    r.Phd1q = Single(r.Ko * ((Real{r.h1d} - r.ha) * r.gammaS + r.qApplied + r.gammaA * r.ha));
    r.Phd2q = Single(r.Ko * ((Real{r.h2d} - r.ha) * r.gammaS + r.qApplied + r.gammaA * r.ha));
    r.Pv2 = Real{r.Pv1} + Real{r.D2} / r.Bo;
    r.PhL1 = r.PhL2 = 0;
    r.Ph4 = r.Ph2 = r.Phd2q;
    r.Ph3 = r.Ph1 = r.Phd1q;
    r.Pv1Frame = r.Pv1;
    r.PvL1Frame = r.PvL2Frame = 0;
    r.Pv2L = r.Pv2R = r.Pv2;
}

}  // namespace

void ComputeLoads(TKakou& record, int loadCase) {
    ComputeVerticalEarthPressure(record);
    if (loadCase == 1 || loadCase == 2) {
        ComputeWheelLoads(record, loadCase);
        ComputeWallResultants(record);
        ComputeSlabResultants(record);
    } else {
        ComputeUniformLoads(record, loadCase);
    }
    ComputeLoadTerms(record);
}
