// Sizing: the thinnest box that passes at every cover of a range. The inside opening
// Bu × Hu of each cell is the waterway and stays; the top slab, side walls and bottom slab,
// and with two or three cells the middle walls, take thicknesses in 50 mm steps from 0.20 m
// to 1.50 m, and the outer B = n·Bu + 2·TL + (n − 1)·Tm and H = Hu + Tu + Tb follow them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/read_conditions.h"
#include "calc/study/design_result.h"
#include "calc/study/parallel.h"

// The entries a sizing sets in every box it tries (Tm only with cells; one cell reads none).
inline constexpr ConditionEntry kSizedEntries[] = {&DesignConditions::Tu, &DesignConditions::TL,
                                                   &DesignConditions::Tb, &DesignConditions::B,
                                                   &DesignConditions::H,  &DesignConditions::Tm};

// The thicknesses tried, in mm.
struct ThicknessBounds {
    int thinnest = 200;
    int thickest = 1500;
    int step = 50;
};

struct Thicknesses {
    int Tu = 0, TL = 0, Tb = 0;  // mm
    int Tm = 0;                  // mm; 0 with one cell
    bool operator==(const Thicknesses&) const = default;
};

// The waterway a sizing keeps: each cell's inside width and height (m) and the cells.
struct Opening {
    double Bu = 0, Hu = 0;
    int cells = 1;
};

struct SizingResult {
    bool found = false;  // false: no box within the bounds passes at every cover
    Thicknesses thicknesses;
    DesignConditions sized;       // the base conditions with Tu, TL, Tb, (Tm,) B and H of the box
    std::string governingCover;   // the cover of the largest utilisation
    DesignResult governing;       // the design at that cover
    std::size_t evaluations = 0;  // designs evaluated in the search
};

// The box of least concrete area B·H − n·Bu·Hu among the thicknesses within the bounds that
// passes at every cover (the base conditions' own cover when covers is empty); ties go to
// the smaller Tu + TL + Tb + Tm, then to the thinner top slab, side walls and bottom slab
// (so, of two boxes alike in all else, to the thicker middle walls). The search
// evaluates boxes in that order and stops at the first that passes everywhere, so it relies on
// no property of the calculation beyond giving the same verdict for the same conditions:
// - a box that fails at one cover is settled there, and the covers are tried where failures
//   came cheapest so far (CoverOrder), which changes the time the search takes, never its box;
// - a box that passes everywhere, found first by a quick descent, is where the search may
//   stop at the latest: only the boxes before it in the order are formed and tried, and the
//   progress runs over them. The descent guesses that thicker passes (where it does not, the
//   bound is only less near); with cells, whose boxes have four members and each costs more
//   to evaluate, it halves its way to a thinner member, which keeps it to a few dozen boxes.
// A base whose B, H, thicknesses or (with cells) Tm are no numbers gives the conversion
// error's message. Empty when cancelled, at whatever stage.
std::optional<SizingResult> SizeBox(const DesignConditions& base,
                                    const std::vector<std::string>& covers,
                                    const StudyControl& control, std::string& error,
                                    const ThicknessBounds& bounds = {});

// Bytes a sizing over this many covers holds: their texts and SizeBox's work on them.
std::size_t SizingFootprint(std::size_t covers);

// The opening of the base conditions; throws ConversionError where an entry it is formed
// from is no number.
Opening OpeningOf(const DesignConditions& base);

// The concrete area B·H − n·Bu·Hu of a box around the opening (m), in m².
double ConcreteArea(const Opening& opening, const Thicknesses& thicknesses);

// The base conditions with the thicknesses and the outer sizes they give around the opening;
// Tm only with two or three cells.
DesignConditions WithThicknesses(const DesignConditions& base, const Opening& opening,
                                 const Thicknesses& thicknesses);
