// The pattern language.
#include "calc/sheet/format_line.h"

std::string FormatLine(const std::string& pattern, double value) {
    return FormatFloat(pattern, static_cast<long double>(static_cast<float>(value)));
}

std::string FormatFloat(const std::string& pattern, long double value) {
    (void)value;
    return pattern;  // replaced by the full pattern language
}
