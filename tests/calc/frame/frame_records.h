// Calculation records for the frame tests, filled directly with the values the frame stages
// read: the worked member examples and the default design in load case 4.
#pragma once

#include <cmath>
#include <memory>

#include "calc/record.h"

inline void SetBoxAxes(TKakou& r) {
    const double x[] = {-r.Bo / 2.0, -r.Bo / 2.0, r.Bo / 2.0, r.Bo / 2.0, -r.Bo / 2.0};
    const double y[] = {-r.Ho / 2.0, r.Ho / 2.0, r.Ho / 2.0, -r.Ho / 2.0, -r.Ho / 2.0};
    r.boxAxes.n = 4;
    for (int p = 1; p <= 5; ++p) {
        r.boxAxes.X[p] = x[p - 1];
        r.boxAxes.Y[p] = y[p - 1];
    }
}

// The four worked member examples in one record: each member's loads and joint moments are
// those of its example (Ho = Bo = 3.5 m).
inline std::unique_ptr<TKakou> WorkedExampleRecord() {
    auto r = std::make_unique<TKakou>();
    r->Ho = 3.5f;
    r->Bo = 3.5f;
    r->TL = 0.50f;
    r->dWall = 0.10f;
    r->Ph4 = 40.0f;  // left wall: at A
    r->Ph3 = 20.0f;  // left wall: at B
    r->Mab = -20.0f;
    r->Mba = 25.0f;
    r->Ph2 = 40.0f;  // right wall: at D
    r->Ph1 = 20.0f;  // right wall: at C
    r->Mcd = -25.0f;
    r->Mdc = 20.0f;
    r->Pv2L = 60.0f;
    r->Pv2R = 40.0f;
    r->Mda = -20.0f;
    r->Mad = 18.0f;
    r->Tb = 0.50f;
    r->dBottomLower = 0.11f;
    r->h1 = 1.0f;
    r->Tu = 0.40f;
    r->dTop = 0.10f;
    r->axleDistance = 4.0;
    r->Pv1Frame = 50.0f;
    r->PvL1Frame = 30.0f;
    r->PvL2Frame = 0.0f;
    r->Mbc = -25.0f;
    r->Mcb = 22.0f;
    SetBoxAxes(*r);
    return r;
}

// The default design conditions (h1 = 4.20 m, H = 3.90 m, B = 4.00 m, Tu = 0.40 m,
// TL = Tb = 0.50 m, haunches 0.20 m, γs = 18, γc = 24.5, Ko = 0.5, α = 1.0) in load case 4:
// 10.0 kN/m² on the top slab and the walls; the loads and load terms by their formulas.
inline std::unique_ptr<TKakou> DefaultDesignRecord() {
    auto r = std::make_unique<TKakou>();
    r->h1 = 4.20f;
    r->Tu = 0.40f;
    r->TL = 0.50f;
    r->Tb = 0.50f;
    r->Ho = 3.45f;
    r->Bo = 3.50f;
    r->dTop = 0.10f;
    r->dWall = 0.10f;
    r->dBottomLower = 0.11f;
    r->axleDistance = 6.0;
    const double gammaS = 18, gammaC = 24.5, Ko = 0.5, q = 10.0;
    const float h1d = 4.40f, h2d = 7.85f;
    const float D1 = static_cast<float>(gammaC * (4.0 * 0.4 + 0.2 * 0.2));
    const float D2 = static_cast<float>(2 * gammaC * 3.0 * 0.5);
    const float Pvd = static_cast<float>(1.0 * (r->h1 * gammaS));
    const float Pv1 = static_cast<float>(Pvd + q + D1 / r->Bo);
    r->Pv1Frame = Pv1;
    r->Ph1 = r->Ph3 = static_cast<float>(Ko * (h1d * gammaS + q));
    r->Ph2 = r->Ph4 = static_cast<float>(Ko * (h2d * gammaS + q));
    r->Pv2L = r->Pv2R = static_cast<float>(Pv1 + D2 / r->Bo);

    const double Ho2 = r->Ho * r->Ho, Bo2 = r->Bo * r->Bo;
    r->Cab = static_cast<float>(Ho2 * (2 * r->Ph3 + 3 * r->Ph4) / 60);
    r->Cba = static_cast<float>(Ho2 * (3 * r->Ph3 + 2 * r->Ph4) / 60);
    r->Ccd = static_cast<float>(Ho2 * (3 * r->Ph1 + 2 * r->Ph2) / 60);
    r->Cdc = static_cast<float>(Ho2 * (2 * r->Ph1 + 3 * r->Ph2) / 60);
    r->Cad = static_cast<float>(Bo2 * (3 * r->Pv2L + 2 * r->Pv2R) / 60);
    r->Cda = static_cast<float>(Bo2 * (2 * r->Pv2L + 3 * r->Pv2R) / 60);
    r->Cbc = r->Ccb = static_cast<float>(Pv1 * Bo2 / 12);
    r->Astory = static_cast<float>((double(r->Cab) + r->Ccd - r->Cba - r->Cdc) / 3);
    SetBoxAxes(*r);
    return r;
}
