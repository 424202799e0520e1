// The run's work arrays, filled by the section design and read by the bar stages.
#pragma once

#include <array>

#include "calc/single.h"

using BarSchedule = std::array<int, 7>;       // stress type, common pitch, bars ② ① ⑤ ③ ④
using SectionSteel = std::array<Single, 12>;  // one value a design section
