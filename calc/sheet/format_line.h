// Numbers enter report lines through one operation and one pattern language: up to three
// ";"-separated sections (positive, negative, zero), "0" and "#" digit placeholders, "." the
// decimal point, "," thousands grouping, quoted literals copied as they stand.
#pragma once

#include <string>
#include <string_view>

// Rounds the value to single precision, then writes it by the pattern.
std::string FormatLine(std::string_view pattern, double value);

// Writes the value by the pattern without the single-precision step.
std::string FormatFloat(std::string_view pattern, long double value);
