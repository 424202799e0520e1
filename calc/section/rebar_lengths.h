// Bending and cutting dimensions of the main bars, in mm: the two U-shaped outer bars
// (1 around the top slab, 2 around the bottom slab), lapped in the side walls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/record.h"
#include "calc/work_arrays.h"

// Lap length of two bars: for each, sigmaSaJoint*phi/(4*tauOa) up to a multiple of 10 mm;
// the larger of the two.
Single LapLength(double sigmaSaJoint, double tauOa, int phiA, int phiB);

// The next multiple of 50 mm strictly above the length (1250 gives 1300).
Single NextMultipleOf50(double length);

struct RebarLengths {
    Single R1 = 0, R2 = 0;           // bend radii
    Single L3Top = 0, L3Bottom = 0;  // horizontal parts
    Single L2Top = 0, L2Bottom = 0;  // one bent corner
    Single La = 0;                   // lap length
    Single sumL = 0;                 // one closed hoop
    Single Lm = 0;                   // ordered length
    Single LaActual = 0;             // lap length with the rounding of Lm
    Single LTop = 0, LBottom = 0;    // the two bars
    Single x1 = 0, x2 = 0, xShift = 0;
    Single L1Upper = 0, L4Upper = 0, L1Lower = 0, L4Lower = 0;  // straight legs
    Single across = 0;   // the straight bars 3 and 4 of the slabs
    Single upright = 0;  // the straight bars 5 of the walls
};

RebarLengths ComputeRebarLengths(const TData& record, const BarSchedule& barSchedule);

// How the message for bars that cannot be built begins, so that a caller can tell it among
// the messages of a run.
inline constexpr std::string_view kUnbuildableBars = "鉄筋の加工寸法が成り立ちません";

// The message for processing lengths or a lap length of zero or less (bend radii too large
// for the box, say), naming each bar and dimension; nothing when every bar can be built.
std::optional<std::string> UnbuildableBarsMessage(const RebarLengths& lengths);
