// The bending-moment and shear-force diagrams drawn around the frame outline.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/sheet/pattern.h"

// The mark of diagram sample i (0 to 10): the value by the pattern at both ends of a member,
// nothing in between.
std::string EndLabel(int i, Single value, const Pattern& pattern);

// Fills Chart9 (moments, with each member's span maximum) and Chart10 (shears).
void DrawForceDiagrams(const TKakou& record, CalcTable& table);
