// The numeric inputs of a design by stable ASCII names, for studies that vary them, and the
// text a varied value is entered as.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/design_conditions.h"

struct NumericInput {
    const char* name;                      // as given on the command line
    std::string DesignConditions::*field;  // the entry that holds its text
    bool single;                           // read into a Single field (about 7 digits)
    const char* meaning;
};

// Every numeric input, in the order of the input page.
const std::vector<NumericInput>& NumericInputs();
// The input of that name (case matters), or nullptr.
const NumericInput* FindNumericInput(std::string_view name);

// A value as an engineer types it: at least two decimals ("0.40", "12.00"), more only where
// the value needs them (to nine), so that the strict conversion reads back the same number.
std::string DecimalText(double value);
