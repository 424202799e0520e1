// The sheet of an extra load case in chapter "Ⅵ．水位・安定計算": its earth and water
// pressures, the loads of its frame, the bottom slab from equilibrium, its ground contact
// pressure and its joint moments.
#pragma once

#include "calc/record.h"
#include "calc/sheet/chapter_list.h"
#include "calc/water/load_cases.h"
#include "calc/water/stability.h"
#include "calc/water/water_inputs.h"

// number is the case's place in the chapter (1, 2); loadCase the live-load case of the run.
void WriteCaseSheet(int number, const FrameCase& c, const WaterInputs& water, int loadCase,
                    const CaseBearing& bearing, ChapterList& list);
