// The calculation run: one record from the design conditions through every stage.
#pragma once

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"

// ConversionError also stands for a value that cannot be computed from the entries.
enum class RunResult { Completed, CheckFailed, ConversionError };

// Load case 1..5 from the live-load and combination choices and the cover.
int ChooseLoadCase(const DesignConditions& conditions, const TKakou& record);

RunResult RunCalculation(const DesignConditions& conditions, CalcTable& table,
                         Messenger& messenger);
