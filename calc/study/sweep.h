// Sweeps: one or two numeric inputs varied over a grid of values, every design evaluated.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/study/numeric_inputs.h"

// NAME=FROM:TO:STEP.
struct SweepRange {
    const NumericInput* input = nullptr;
    double from = 0;
    double to = 0;
    double step = 0;
    int decimals = 0;  // the decimal places of FROM and STEP (negative: tens, hundreds, …)
};

inline constexpr std::size_t kMaxSweepDesigns = 1'000'000;

// The range, or the reason the text is not one: an unknown name, a text that is no number,
// a step that is not positive, TO below FROM, more values than a study takes, or a step so
// fine that two values would be the same number to the entry.
std::optional<SweepRange> ParseSweepRange(std::string_view text, std::string& error);

// The number of values: FROM, FROM + STEP, … up to TO; TO itself when the steps reach it
// within rounding.
std::size_t ValueCount(const SweepRange& range);
// Value k as text: FROM + k·STEP, the decimal with the places of FROM and STEP, in the
// shortest form that reads back as the number that decimal is typed as. Each value is formed
// from FROM and its index, so no rounding error builds up along the range.
std::string ValueText(const SweepRange& range, std::size_t k);
// Every value, as its text reads.
std::vector<double> RangeValues(const SweepRange& range);

// The texts of a range's values, as each is entered into the conditions.
std::vector<std::string> RangeTexts(const SweepRange& range);

// A copy of the base conditions with the ranges' inputs set to the texts.
DesignConditions WithValues(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                            const std::vector<std::string>& values);
