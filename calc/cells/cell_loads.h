// The loads on the frame of a box of equal cells: the earth pressures, self weights and
// load-case rules of the one-cell box over the whole width, the rear and front wheel bands at
// each position across the top, and the ground reaction that holds the box in equilibrium.
#pragma once

#include <array>
#include <vector>

#include "calc/cells/box_frame.h"
#include "calc/cells/plane_frame.h"
#include "calc/loads/loads.h"
#include "calc/record.h"

// What a load case puts on the box apart from the wheels, as magnitudes acting inwards
// (downwards on the top slab), kN/m² and kN.
struct CellCaseLoads {
    double top = 0;                                  // on every top span, with D1/span
    double wallTop = 0, wallBottom = 0;              // on both outer walls, at the slab axes
    std::array<double, kMaxCells + 1> wallWeight{};  // self weight of each wall, kN
    // The wheel bands of load cases 1 and 2, both W1 wide, and the horizontal live load of
    // load case 1 (Ko times the band's intensity on an outer wall the band reaches over).
    bool wheels = false, horizontalLive = false;
    double W1 = 0, PvL1 = 0, PvL2 = 0, Ko = 0, axleDistance = 0;
    // The whole top slab's weight and the uniform load on the top, for the sheet.
    double D1 = 0, surcharge = 0;
};

// Where the wheels stand: the rear band's centre from the left outer wall axis, and the side
// of the front band (+1 to the right of the rear band, −1 to the left; 0 no wheels at all).
struct WheelPosition {
    double rear = 0;
    int front = 0;
    bool operator==(const WheelPosition&) const = default;
};

// The case's loads from a record whose load values were computed for it (ComputeLoads with
// the case's water), and the water pressures that computation added.
CellCaseLoads CellCaseLoadsOf(const TKazyu& record, const CellBox& box, int loadCase,
                              const WaterPressures& water);

// Every position of the wheels the design takes: the rear band's centre from half a band
// before the left outer wall axis to half a band beyond the right one, with the front band on
// either side, at every 0.1 m or closer wherever an edge of either band lies on the top, and
// at each position that puts a band's edge on a wall axis. Where no edge lies on the top the
// loads do not change with the position, and one position stands for the whole stretch. One
// position without wheels when the case has none.
std::vector<WheelPosition> WheelPositions(const CellBox& box, const CellCaseLoads& loads);

// The loads of the frame (BoxFrame) for one position: the case's loads, the bands (the parts
// beyond the outer wall axes dropped), the walls' weight at their bottom joints, and the
// ground reaction, linear between the outer wall axes, from the vertical force and moment
// equilibrium of the whole box.
FrameLoads SubCaseLoads(const CellBox& box, const CellCaseLoads& loads, WheelPosition position);

// The loads' resultant in x (kN, to the right): the outer walls' pressures that do not
// balance, as under a horizontal live load on one wall only.
double HorizontalResultant(const CellBox& box, const FrameLoads& loads);
