// A 4-byte float as the shortest decimal that reads back as it, so that 12.3f shows as 12.3
// in JSON rather than as the double 12.300000190734863.
#pragma once

#include <charconv>
#include <cstdlib>

inline double ShortestDecimal(float value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}
