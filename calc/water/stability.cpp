// Uplift, ground contact pressure and the usual range of a box culvert.
#include "calc/water/stability.h"

#include <algorithm>

#include "calc/section/quantities.h"
#include "calc/sheet/format_line.h"

namespace {

constexpr int kPileFoundation = 1;

// Depth of the water table within the soil above the box: between the pavement and the top.
double TableInCover(const TData& r, double hw) {
    return std::min(std::max(hw, double{r.ha}), double{r.h1});
}

UpliftCheck Uplift(const TData& r, const WaterInputs& w) {
    UpliftCheck u;
    const double B = r.B, hw = *w.hw, table = TableInCover(r, hw);
    u.Wbox = r.gammaC * ConcreteVolume(r);
    u.Wabove = B * (r.gammaA * r.ha + r.gammaS * (table - r.ha) +
                    (w.gammaSub + w.gammaW) * (double{r.h1} - table));
    u.U = w.gammaW * (double{r.h1} + r.H - hw) * B;
    u.Fs = (u.Wbox + u.Wabove) / u.U;
    u.required = w.upliftFactor;
    u.passes = u.Fs >= u.required;
    return u;
}

CaseBearing Bearing(const TBuzai& r, CaseKind kind, const WaterInputs& w) {
    CaseBearing b;
    b.kind = kind;
    if (kind == CaseKind::Groundwater)
        b.uplift = w.gammaW * std::max(0.0, double{r.h1} + r.H - *w.hw);
    if (kind == CaseKind::InnerWater)
        b.innerWeight = w.gammaW * (double{r.B} * r.H - ConcreteVolume(r)) / r.Bo;
    const double slab = double{r.D3} / r.Bo - b.uplift + b.innerWeight;
    b.q1 = r.Pv2L + slab;
    b.q2 = r.Pv2R + slab;
    return b;
}

}  // namespace

Stability ComputeStability(const TKakou& documented, const ExtraCases& extra,
                           const WaterInputs& water, int foundation) {
    Stability s;
    if (water.hw && *water.hw < double{documented.h1} + documented.H)
        s.uplift = Uplift(documented, water);

    BearingCheck& b = s.bearing;
    b.applies = foundation != kPileFoundation;
    b.cases[b.count++] = Bearing(documented, CaseKind::Documented, water);
    for (const FrameCase& c : extra.All()) b.cases[b.count++] = Bearing(c.record, c.kind, water);
    b.largest = b.cases[0].q1;
    for (int k = 0; k < b.count; ++k)
        b.largest = std::max({b.largest, b.cases[k].q1, b.cases[k].q2});
    b.qa = water.qa;
    b.passes = !b.applies || !b.qa || b.largest <= *b.qa;
    return s;
}

std::vector<std::string> ApplicabilityWarnings(const TData& r) {
    std::vector<std::string> warnings;
    const auto warn = [&](const char* what, Single value, const char* range) {
        warnings.push_back(std::string("適用範囲外：") + what + FormatLine("0.00m"_pattern, value) +
                           "が通常の範囲（" + range + "）の外です。");
    };
    if (r.h1 < 0.5 || r.h1 > 20.0) warn("土かぶり h1=", r.h1, "0.5～20m");
    if (r.Bu > 6.5) warn("内空幅 Bu=", r.Bu, "6.5m以下");
    if (r.Hu > 5.0) warn("内空高 Hu=", r.Hu, "5m以下");
    return warnings;
}
