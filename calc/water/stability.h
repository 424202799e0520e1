// The checks of a box with water and of the ground under it: uplift, the ground contact
// pressure of every load case, and whether the box lies within the usual range.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/record.h"
#include "calc/water/load_cases.h"
#include "calc/water/water_inputs.h"

// Uplift per metre of culvert, kN/m: Fs = (Wbox + Wabove) / U.
struct UpliftCheck {
    double Wbox = 0;    // γc times the concrete area
    double Wabove = 0;  // pavement and soil over the width B, γ' + γw below the water table
    double U = 0;       // γw (h1 + H − hw) B
    double Fs = 0;
    double required = 0;
    bool passes = false;  // Fs ≥ the required factor
    bool operator==(const UpliftCheck&) const = default;
};

// The ground contact pressure under the bottom slab at its left and right edge, kN/m²: the
// bottom-slab load and the slab's own weight, less the uplift, with the inner water's weight.
struct CaseBearing {
    CaseKind kind = CaseKind::Documented;
    double q1 = 0, q2 = 0;
    double uplift = 0;       // γw (h1 + H − hw) where the case has groundwater
    double innerWeight = 0;  // the inner water's weight over the span Bo
    bool operator==(const CaseBearing&) const = default;
};

struct BearingCheck {
    bool applies = true;  // false on piles: the piles carry the box
    std::array<CaseBearing, 1 + kMaxExtraCases> cases{};
    int count = 0;
    double largest = 0;  // over the cases and both edges
    std::optional<double> qa;
    bool passes = true;  // largest ≤ qa; true where nothing is checked
    bool operator==(const BearingCheck&) const = default;
};

struct Stability {
    std::optional<UpliftCheck> uplift;  // when the water table stands above the base
    BearingCheck bearing;

    bool Passes() const { return (!uplift || uplift->passes) && bearing.passes; }
    bool operator==(const Stability&) const = default;
};

// foundation is the choice "鉛直土圧係数(α)": 1 the pile foundation.
Stability ComputeStability(const TKakou& documented, const ExtraCases& extra,
                           const WaterInputs& water, int foundation);

// One line a way in which the box lies outside the usual range of a cast-in-place box
// culvert: cover 0.5 to 20 m, inner width up to 6.5 m, inner height up to 5 m.
std::vector<std::string> ApplicabilityWarnings(const TData& record);
