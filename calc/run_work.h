// What one run computes apart from any sheet line: the record and the run's work arrays, from
// which the stages' writers format every line, cell and figure.
#pragma once

#include "calc/calc_table.h"
#include "calc/cells/cell_bars.h"
#include "calc/cells/cell_design.h"
#include "calc/design_conditions.h"
#include "calc/frame/frame_solution.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/run.h"
#include "calc/section/quantities.h"
#include "calc/section/rebar_lengths.h"
#include "calc/section/section_design.h"
#include "calc/water/load_cases.h"
#include "calc/water/stability.h"
#include "calc/water/water_inputs.h"
#include "calc/work_arrays.h"

struct RunWork {
    TKakou record;
    int loadCase = 0;  // 0 until the conditions were read
    BarSchedule barSchedule{};
    SectionSteel sectionSteel{};
    FrameSolution frame;
    // Water and ground: the entries, the load cases beyond the documented one, each case's
    // own sections (the documented one first) and the checks where the design has them.
    WaterInputs water;
    ExtraCases extra;
    std::array<SectionDesign, 1 + kMaxExtraCases> caseSections;
    std::optional<Stability> stability;
    std::vector<std::string> warnings;
    SectionDesign sections;  // each section in its governing case
    RebarLengths rebar;
    Quantities quantities;
    CellDesign cells;         // with two or three cells: their design in place of `sections`
    CellBarLengths cellBars;  // and their bars in place of `rebar`
    bool passed = false;      // the design's verdict (DesignPasses), once the run completed
};

// Reads and checks the design conditions, then computes the stages in order. With a table,
// each stage's writers follow its computation; without one nothing is formatted. The full run
// and a numbers-only evaluation both go this one way, so that they meet the same checks and
// the same conversion and floating-point errors, with the same messages.
// The member forces of every load case of the run, the documented one first; `records` holds
// room for them.
CaseForces CaseRecords(const RunWork& work, std::array<const TBuzai*, 1 + kMaxExtraCases>& records);

RunResult ComputeRun(const DesignConditions& conditions, RunWork& work, Messenger& messenger,
                     CalcTable* table);
