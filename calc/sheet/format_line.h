// Numbers enter report lines through one operation and one pattern language: up to three
// ";"-separated sections (positive, negative, zero), "0" and "#" digit placeholders, "." the
// decimal point, "," thousands grouping, quoted literals copied as they stand.
#pragma once

#include <string>

#include "calc/sheet/pattern.h"

// Rounds the value to single precision, then writes it by the pattern.
std::string FormatLine(const Pattern& pattern, double value);

// Writes the value by the pattern without the single-precision step.
std::string FormatFloat(const Pattern& pattern, long double value);
