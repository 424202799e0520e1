// Lines of the water chapter's sheets: a label as written, then its value by a number pattern.
#pragma once

#include <string_view>

#include "calc/sheet/chapter_list.h"
#include "calc/sheet/format_line.h"

inline void AddValue(ChapterList& list, std::string_view label, const Pattern& pattern,
                     double value) {
    std::string line(label);
    list.push_back(line += FormatLine(pattern, value));
}

// A pressure in kN/m2, two decimals.
inline void AddPressure(ChapterList& list, std::string_view label, double value) {
    AddValue(list, label, "0.00kN/m2;-0.00kN/m2"_pattern, value);
}
