// Sizing: the thinnest box that passes at every cover of a range. The inside opening
// Bu × Hu is the waterway and stays; the top slab, side walls and bottom slab take
// thicknesses in 50 mm steps from 0.20 m to 1.50 m, and the outer B and H follow them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/read_conditions.h"
#include "calc/study/design_result.h"
#include "calc/study/parallel.h"

// The entries a sizing sets in every box it tries.
inline constexpr ConditionEntry kSizedEntries[] = {&DesignConditions::Tu, &DesignConditions::TL,
                                                   &DesignConditions::Tb, &DesignConditions::B,
                                                   &DesignConditions::H};

// The thicknesses tried, in mm.
struct ThicknessBounds {
    int thinnest = 200;
    int thickest = 1500;
    int step = 50;
};

struct Thicknesses {
    int Tu = 0, TL = 0, Tb = 0;  // mm
    bool operator==(const Thicknesses&) const = default;
};

struct SizingResult {
    bool found = false;  // false: no box within the bounds passes at every cover
    Thicknesses thicknesses;
    DesignConditions sized;       // the base conditions with Tu, TL, Tb, B and H of the box
    std::string governingCover;   // the cover of the largest utilisation
    DesignResult governing;       // the design at that cover
    std::size_t evaluations = 0;  // designs evaluated in the search
};

// The box of least concrete area B·H − Bu·Hu among the thicknesses within the bounds that
// passes at every cover (the base conditions' own cover when covers is empty); ties go to
// the smaller Tu + TL + Tb, then to the thinner top slab and side walls. The search
// evaluates boxes in that order and stops at the first that passes everywhere, trying first
// the cover that failed last, so it relies on no property of the calculation; a passing box
// found first by a quick descent tells how far the search may have to go, and the progress
// runs over that far. A base whose B, H or thicknesses are no numbers gives the
// conversion error's message. Empty when cancelled, at whatever stage.
std::optional<SizingResult> SizeBox(const DesignConditions& base,
                                    const std::vector<std::string>& covers,
                                    const StudyControl& control, std::string& error,
                                    const ThicknessBounds& bounds = {});

// Bytes a sizing over this many covers holds: their texts and SizeBox's work on them.
std::size_t SizingFootprint(std::size_t covers);

// The concrete area B·H − Bu·Hu of a box around the opening Bu × Hu (m), in m².
double ConcreteArea(double Bu, double Hu, const Thicknesses& thicknesses);

// The base conditions with the thicknesses and the outer sizes they give around the opening.
DesignConditions WithThicknesses(const DesignConditions& base, double Bu, double Hu,
                                 const Thicknesses& thicknesses);
