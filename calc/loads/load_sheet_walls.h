// The load calculation sheet, second list: horizontal earth pressure, wall totals, resultants,
// bottom-slab reaction and ground reaction (ListBox1).
#pragma once

#include <string>
#include <vector>

#include "calc/record.h"

void WriteWallPressureSheet(const TKakou& record, int loadCase, std::vector<std::string>& list);
