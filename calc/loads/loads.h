// The load values of chapter II, ending with the load terms of the frame.
#pragma once

#include <optional>

#include "calc/record.h"

// Water on a load case beyond the documented one: groundwater at a depth below the road
// surface, below which the soil weighs γ', or the box full of water. No water is the
// documented case.
struct CaseWater {
    std::optional<double> hw;  // m below the road surface
    bool boxFull = false;
    double gammaW = 0, gammaSub = 0;  // kN/m3
};

// The water pressures a case adds to its frame loads, kN/m²: groundwater on the top slab and
// on the walls at the top-slab and bottom-slab axes (inwards), and the water inside on the
// walls at the same axes (outwards).
struct WaterPressures {
    double top = 0, wallTop = 0, wallBottom = 0;
    double innerTop = 0, innerBottom = 0;
};

// Fills the load values of the record for the load case (1..5), then the load terms.
void ComputeLoads(TKazyu& record, int loadCase);
// The same with water: the earth pressures from the effective weight of the soil, the water
// pressures added to the top slab and the walls, the bottom slab from vertical equilibrium.
// Returns the water pressures it added.
WaterPressures ComputeLoads(TKazyu& record, int loadCase, const CaseWater& water);
// Load terms Cab..Cad and the storey term Astory from the stored load values.
void ComputeLoadTerms(TKazyu& record);
