// Sweeps: one or two numeric inputs varied over a grid of values, every design evaluated.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/study/design_result.h"
#include "calc/study/numeric_inputs.h"
#include "calc/study/parallel.h"

// NAME=FROM:TO:STEP.
struct SweepRange {
    const NumericInput* input = nullptr;
    double from = 0;
    double to = 0;
    double step = 0;
};

inline constexpr std::size_t kMaxSweepDesigns = 1'000'000;

// The range, or the reason the text is not one: an unknown name, a text that is no number,
// a step that is not positive, TO below FROM, or more values than a study takes.
std::optional<SweepRange> ParseSweepRange(std::string_view text, std::string& error);

// FROM, FROM + STEP, … up to TO; TO itself when the steps reach it within rounding. Each
// value is formed from FROM and its index, so no rounding error builds up along the range.
std::vector<double> RangeValues(const SweepRange& range);

// One design of a study: the texts of the varied inputs, as entered, and how it came out.
struct StudyRow {
    std::vector<std::string> values;
    DesignResult result;
};

// Every combination of the ranges' values, the first range varying slowest, each entered as
// DecimalText into a copy of the base conditions.
std::vector<StudyRow> SweepRows(const std::vector<SweepRange>& ranges);
DesignConditions WithValues(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                            const std::vector<std::string>& values);

// Evaluates every row on every core. False when cancelled; the rows are then incomplete.
bool EvaluateRows(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                  std::vector<StudyRow>& rows, const StudyControl& control);
