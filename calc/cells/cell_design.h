// The design of a box of two or three cells: every load case at every wheel position solved
// on one factored frame, the envelope of each design section, the bars and the checks.
#pragma once

#include <array>
#include <vector>

#include "calc/cells/box_frame.h"
#include "calc/cells/cell_loads.h"
#include "calc/cells/cell_sections.h"
#include "calc/cells/frame_solver.h"
#include "calc/cells/plane_frame.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/section/section_design.h"
#include "calc/water/load_cases.h"
#include "calc/water/water_inputs.h"

// One load case of the box (dry, groundwater, water inside): its loads apart from the wheels
// and the positions the wheels take.
struct CellCase {
    CaseKind kind = CaseKind::Documented;
    CellCaseLoads loads;
    std::vector<WheelPosition> positions;
    // The largest ground reaction at the left and at the right outer wall axis over the
    // positions, kN/m² (the bottom slab's own weight not included).
    double reactionLeft = 0, reactionRight = 0;
};

// A sub-case: the wheels of one load case at one position.
struct CellSubCase {
    int loadCase = 0;  // index into CellDesign::cases
    WheelPosition wheels;
    bool operator==(const CellSubCase&) const = default;
};

// Which sub-cases govern a design section: M and N are those of the sub-case that needs the
// most steel (of equal steel the larger |M|), S and S2d the largest in magnitude.
struct CellGoverning {
    CellSubCase moment, shear, shear2d;
};

struct CellDesign {
    CellBox box;
    FrameGeometry frame;
    std::vector<CellCase> cases;  // the dry case first
    // The design sections, each as the section grid of one cell has it, and what governs it.
    std::vector<CellSectionLayout> layouts;
    std::vector<DesignedSection> sections;
    std::vector<CellGoverning> governing;
    std::array<int, kCellBarEntries> bars{};  // stress type, common pitch, bars ② ① ⑤ ③ ④ ⑥ ⑦ ⑧
    std::vector<Single> steel;                // provided steel of each section, mm² per metre
    bool solvable = true;
    double concrete = 0;  // m³ per metre of culvert

    int SubCaseCount() const;
};

// The forces of a design section in one solved sub-case: where it lies along its member (m
// from the `from` joint), M, N (compression; a tension is taken as none, the section in pure
// bending), S and S2d, with the record of the section's member (a middle wall as a wall Tm
// thick) and the loads' horizontal resultant H.
struct CellSectionForces {
    double x = 0;
    Single M = 0, N = 0, S = 0, S2d = 0;
};
CellSectionForces SectionForcesOf(const CellSectionLayout& layout, const TData& record,
                                  const CellBox& box, const FrameGeometry& frame,
                                  const FrameLoads& loads, const FrameResponse& response, double H);

// The design of the box of a record whose conditions were read and checked and whose load
// values were computed for the load case (ComputeLoads). Tells what the one-cell section
// design tells (an unusual stress distribution, no bar found) and a frame it cannot solve.
CellDesign DesignCells(const TKakou& record, int loadCase, const WaterInputs& water,
                       const DesignConditions& conditions, Messenger& messenger);

// The loads of a sub-case on the design's frame.
FrameLoads SubCaseLoadsOf(const CellDesign& design, const CellSubCase& subCase);
