// The table of numeric inputs and the text of a varied value.
#include "calc/study/numeric_inputs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const std::vector<NumericInput>& NumericInputs() {
    using D = DesignConditions;
    static const std::vector<NumericInput> inputs = {
        {"gammaS", &D::gammaS, "unit weight of soil (kN/m3)"},
        {"gammaC", &D::gammaC, "unit weight of concrete (kN/m3)"},
        {"gammaA", &D::gammaA, "unit weight of pavement (kN/m3)"},
        {"h1", &D::h1, "earth cover (m)"},
        {"ha", &D::ha, "pavement thickness (m)"},
        {"Tu", &D::Tu, "top-slab thickness (m)"},
        {"TL", &D::TL, "side-wall thickness (m)"},
        {"Tb", &D::Tb, "bottom-slab thickness (m)"},
        {"Hah", &D::Hah, "haunch height (m)"},
        {"Hab", &D::Hab, "haunch width (m)"},
        {"H", &D::H, "outer height (m)"},
        {"B", &D::B, "outer width (m)"},
        {"Ko", &D::Ko, "coefficient of earth pressure at rest"},
        {"q", &D::q, "uniform surcharge without live load (kN/m2)"},
        {"sigmaCk", &D::sigmaCk, "design strength of concrete (N/mm2)"},
        {"sigmaCa", &D::sigmaCa, "allowable compressive stress of concrete (N/mm2)"},
        {"tauA", &D::tauA, "allowable shear stress (N/mm2)"},
        {"sigmaSa", &D::sigmaSa, "allowable tensile stress of steel (N/mm2)"},
        {"sigmaSaJoint", &D::sigmaSaJoint, "allowable tensile stress at joints (N/mm2)"},
        {"tauOa", &D::tauOa, "allowable bond stress (N/mm2)"},
        {"dTop", &D::dTop, "top slab, bar centre to surface (m)"},
        {"dWall", &D::dWall, "side wall, bar centre to surface (m)"},
        {"dBottomUpper", &D::dBottomUpper, "bottom slab upper face, bar centre to surface (m)"},
        {"dBottomLower", &D::dBottomLower, "bottom slab lower face, bar centre to surface (m)"},
        {"tWeight", &D::tWeight, "T load weight (t), first live-load item"},
        {"tAxle", &D::tAxleDistance, "T load axle distance (m), first live-load item"},
        {"tImpactDepth", &D::tImpactDepth, "T load impact depth (m), first live-load item"},
        {"hw", &D::hw, "depth of the water table below the road surface (m)"},
        {"qa", &D::qa, "allowable ground pressure (kN/m2)"},
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
