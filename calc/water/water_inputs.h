// The water and ground entries as numbers: groundwater, water in the box, and the checks of
// the ground under it. They stand beside the documented record, which they never change.
#pragma once

#include <optional>

#include "calc/design_conditions.h"
#include "calc/messenger.h"

struct WaterInputs {
    std::optional<double> hw;  // depth of the water table below the road surface, m
    bool boxFull = false;      // 内水 "満水": full to the inner top of the box
    double gammaW = 9.8;       // kN/m3
    double gammaSub = 9.0;     // γ', the submerged unit weight of the soil, kN/m3
    std::optional<double> qa;  // allowable ground pressure, kN/m2; none: not checked
    double upliftFactor = 1.2;

    // Whether the design has a load case with water or a check of the ground: the chapter
    // "Ⅵ．水位・安定計算".
    bool Any() const { return hw || boxFull || qa; }
};

// Converts the entries; throws ConversionError naming the entry, as the other entries do.
WaterInputs ReadWaterInputs(const DesignConditions& conditions);

// The checks of the entries, each failure told as the other input checks are; 0 when all
// passed, 1 otherwise.
int CheckWaterInputs(const WaterInputs& inputs, Messenger& messenger);
