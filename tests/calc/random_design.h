// Seeded random input pages for the property tests.
#pragma once

#include <random>

#include "calc/design_conditions.h"

// A plausible input page: dimensions in cm steps, covers within the slabs, every live load
// and combination, so that every load case occurs.
DesignConditions RandomDesign(std::mt19937& random);
