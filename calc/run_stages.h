// The stages of a run as a table: each stage's computation and its writers. The run of one
// cell and the run of two or three cells each have their table; the run picks one.
#pragma once

#include <span>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run_work.h"

// What the stages share during one run.
struct RunState {
    const DesignConditions& conditions;
    RunWork& work;
    Messenger& messenger;
};

// A stage: its computation fills the record and the work arrays; its writers format them.
// Named as the message names it when it meets a value it cannot compute.
struct Stage {
    const char* name;
    void (*compute)(RunState&);
    void (*write)(const RunState&, CalcTable&);
};

inline void NothingToCompute(RunState&) {}
inline void NothingToWrite(const RunState&, CalcTable&) {}
