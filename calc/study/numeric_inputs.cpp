// The table of numeric inputs and the text of a varied value.
#include "calc/study/numeric_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const std::vector<NumericInput>& NumericInputs() {
    using D = DesignConditions;
    static const std::vector<NumericInput> inputs = {
        {"gammaS", &D::gammaS, false, "unit weight of soil (kN/m3)"},
        {"gammaC", &D::gammaC, false, "unit weight of concrete (kN/m3)"},
        {"gammaA", &D::gammaA, false, "unit weight of pavement (kN/m3)"},
        {"h1", &D::h1, true, "earth cover (m)"},
        {"ha", &D::ha, true, "pavement thickness (m)"},
        {"Tu", &D::Tu, true, "top-slab thickness (m)"},
        {"TL", &D::TL, true, "side-wall thickness (m)"},
        {"Tb", &D::Tb, true, "bottom-slab thickness (m)"},
        {"Hah", &D::Hah, true, "haunch height (m)"},
        {"Hab", &D::Hab, true, "haunch width (m)"},
        {"H", &D::H, true, "outer height (m)"},
        {"B", &D::B, true, "outer width (m)"},
        {"Ko", &D::Ko, false, "coefficient of earth pressure at rest"},
        {"q", &D::q, false, "uniform surcharge without live load (kN/m2)"},
        {"sigmaCk", &D::sigmaCk, false, "design strength of concrete (N/mm2)"},
        {"sigmaCa", &D::sigmaCa, false, "allowable compressive stress of concrete (N/mm2)"},
        {"tauA", &D::tauA, false, "allowable shear stress (N/mm2)"},
        {"sigmaSa", &D::sigmaSa, false, "allowable tensile stress of steel (N/mm2)"},
        {"sigmaSaJoint", &D::sigmaSaJoint, false, "allowable tensile stress at joints (N/mm2)"},
        {"tauOa", &D::tauOa, false, "allowable bond stress (N/mm2)"},
        {"dTop", &D::dTop, true, "top slab, bar centre to surface (m)"},
        {"dWall", &D::dWall, true, "side wall, bar centre to surface (m)"},
        {"dBottomUpper", &D::dBottomUpper, true,
         "bottom slab upper face, bar centre to surface (m)"},
        {"dBottomLower", &D::dBottomLower, true,
         "bottom slab lower face, bar centre to surface (m)"},
        {"tWeight", &D::tWeight, false, "T load weight (t), first live-load item"},
        {"tAxle", &D::tAxleDistance, false, "T load axle distance (m), first live-load item"},
        {"tImpactDepth", &D::tImpactDepth, false, "T load impact depth (m), first live-load item"},
        {"hw", &D::hw, false, "depth of the water table below the road surface (m)"},
        {"qa", &D::qa, false, "allowable ground pressure (kN/m2)"},
    };
    return inputs;
}

const NumericInput* FindNumericInput(std::string_view name) {
    for (const NumericInput& input : NumericInputs())
        if (name == input.name) return &input;
    return nullptr;
}

std::string DecimalText(double value) {
    int decimals = 2;
    while (decimals < 9) {
        const double scale = std::pow(10.0, decimals);
        if (std::abs(std::round(value * scale) / scale - value) <=
            1e-9 * std::max(1.0, std::abs(value)))
            break;
        ++decimals;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    // "-0.00" reads as zero but looks like a mistake.
    std::string result = text;
    if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-')
        result.erase(0, 1);
    return result;
}
