// Reading the design conditions into the record, and checking them.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"

// Converts every entry and derives geometry, self weights and coefficients. Throws
// ConversionError at the first text that is no number, in reading order.
void ReadDesignConditions(const DesignConditions& conditions, TKakou& record);

// The field that the first conversion error of ReadDesignConditions names; empty when every
// entry converts.
std::string UnconvertibleField(const DesignConditions& conditions);

// Runs all checks in order, one message a failed check; 0 when all passed, 1 otherwise.
int CheckDesignConditions(const TKakou& record, Messenger& messenger);
