// Load terms (fixed-end moments) of the four members and the storey term of the frame.
#include <cmath>

#include "calc/loads/loads.h"

namespace {

using Real = long double;

// Top-slab terms: the uniform load, the rear-wheel band centred on the span and the
// front-wheel band of length L1 against joint C (L2 unloaded from joint B). Each term is
// rounded to Single before the terms are added.
struct TopSlabTerms {
    Single K1, K2, K3, K4;
};

TopSlabTerms ComputeTopSlabTerms(const TKazyu& r) {
    const Real Bo = r.Bo, W1 = r.W1, L1 = r.L1, L2 = r.L2;
    TopSlabTerms k{};
    k.K1 = Real{r.Pv1Frame} * Bo * Bo / 12;
    k.K2 = r.W1 >= r.Bo ? Real{r.PvL1Frame} * Bo * Bo / 12
                        : Real{r.PvL1Frame} * W1 * (3 * Bo * Bo - W1 * W1) / (24 * Bo);
    k.K3 = Real{r.PvL2Frame} * std::pow(L1, 3.0L) * (4 * Bo - 3 * L1) / (12 * Bo * Bo);
    k.K4 = Real{r.PvL2Frame} * (std::pow(Bo, 4.0L) - std::pow(L2, 3.0L) * (4 * Bo - 3 * L2)) /
           (12 * Bo * Bo);
    return k;
}

}  // namespace

void ComputeLoadTerms(TKazyu& r) {
    const Real Ho2 = Real{r.Ho} * r.Ho;
    const Real Bo2 = Real{r.Bo} * r.Bo;
    // Side walls: left wall Ph3 at B, Ph4 at A; right wall Ph1 at C, Ph2 at D.
    r.Cab = Ho2 * (2 * Real{r.Ph3} + 3 * Real{r.Ph4}) / 60;
    r.Cba = Ho2 * (3 * Real{r.Ph3} + 2 * Real{r.Ph4}) / 60;
    r.Ccd = Ho2 * (3 * Real{r.Ph1} + 2 * Real{r.Ph2}) / 60;
    r.Cdc = Ho2 * (2 * Real{r.Ph1} + 3 * Real{r.Ph2}) / 60;
    // Bottom slab: linear reaction, Pv2L at A, Pv2R at D.
    r.Cad = Bo2 * (3 * Real{r.Pv2L} + 2 * Real{r.Pv2R}) / 60;
    r.Cda = Bo2 * (2 * Real{r.Pv2L} + 3 * Real{r.Pv2R}) / 60;

    const TopSlabTerms k = ComputeTopSlabTerms(r);
    r.Cbc = Real{k.K1} + k.K2 + k.K3;
    r.Ccb = Real{k.K1} + k.K2 + k.K4;

    const Real Ho = r.Ho;
    r.Astory = (Real{r.Cab} + r.Ccd - r.Cba - r.Cdc + Real{r.Sp5} * Ho - Real{r.Sp1} * (Ho - r.e1) +
                Real{r.Sp2} * (Ho - r.e2)) /
               3;
}
