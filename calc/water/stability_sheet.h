// The checks of chapter "Ⅵ．水位・安定計算": uplift and ground contact pressure.
#pragma once

#include "calc/record.h"
#include "calc/sheet/chapter_list.h"
#include "calc/water/stability.h"
#include "calc/water/water_inputs.h"

// number is the first section number of the checks in the chapter.
void WriteStabilitySheet(int number, const TData& record, const WaterInputs& water,
                         const Stability& stability, ChapterList& list);
