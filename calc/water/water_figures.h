// The figures of chapter "Ⅵ．水位・安定計算": the acting loads of each extra case and the
// envelope of the bending moments over every case.
#pragma once

#include "calc/calc_table.h"
#include "calc/section/section_design.h"
#include "calc/water/load_cases.h"
#include "calc/water/water_inputs.h"

// The acting-load diagram of a case, drawn as Chart1 is (whose look it takes), with the
// water level: the water table, or the water surface inside the box.
void DrawCaseLoadDiagram(const FrameCase& c, const WaterInputs& water, int loadCase,
                         const Chart& documented, Chart& chart);

// The largest and the smallest bending moment over the cases at each point of the frame,
// drawn as the moment diagram is, positive moments towards the inside.
void DrawMomentEnvelope(CaseForces cases, Chart& chart);
