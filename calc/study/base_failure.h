// What no design of a study can escape: the base conditions failing on an entry the study
// leaves as it is. A study tells that once, as a single run would, instead of once a design.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/read_conditions.h"
#include "calc/run.h"

struct BaseFailure {
    RunResult status = RunResult::CheckFailed;  // or ConversionError
    std::vector<std::string> messages;          // as the run shows them, in order
};

// The first entry outside `varied` that is no number, or else the failed checks that read no
// entry of `varied`; empty when there is neither.
std::optional<BaseFailure> FailureOutsideStudy(const DesignConditions& base,
                                               std::span<const ConditionEntry> varied);
