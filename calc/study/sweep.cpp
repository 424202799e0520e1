// Sweep ranges from their text, the grid of designs and its evaluation.
#include "calc/study/sweep.h"

#include <cmath>

#include "calc/decimal.h"

namespace {

// The number of values of a range; 0 when it has none.
std::size_t ValueCount(double from, double to, double step) {
    const double steps = std::floor((to - from) / step + 1e-9);
    return steps < 0 ? 0 : static_cast<std::size_t>(std::min(steps, 1e12)) + 1;
}

}  // namespace

std::optional<SweepRange> ParseSweepRange(std::string_view text, std::string& error) {
    const auto equals = text.find('=');
    const auto colon1 = text.find(':', equals == std::string_view::npos ? 0 : equals);
    const auto colon2 = text.find(':', colon1 == std::string_view::npos ? 0 : colon1 + 1);
    if (equals == std::string_view::npos || colon1 == std::string_view::npos ||
        colon2 == std::string_view::npos || text.find(':', colon2 + 1) != std::string_view::npos) {
        error = "--sweep takes NAME=FROM:TO:STEP, not '" + std::string(text) + "'";
        return std::nullopt;
    }
    SweepRange range;
    const std::string name(text.substr(0, equals));
    range.input = FindNumericInput(name);
    if (!range.input) {
        error = "--sweep: no input is named '" + name + "' (see --help)";
        return std::nullopt;
    }
    try {
        range.from = ParseDouble(std::string(text.substr(equals + 1, colon1 - equals - 1)), name);
        range.to = ParseDouble(std::string(text.substr(colon1 + 1, colon2 - colon1 - 1)), name);
        range.step = ParseDouble(std::string(text.substr(colon2 + 1)), name);
    } catch (const ConversionError& conversion) {
        error = "--sweep " + name + ": '" + conversion.text() + "' is no number";
        return std::nullopt;
    }
    if (!(range.step > 0) || !std::isfinite(range.from) || !std::isfinite(range.to)) {
        error = "--sweep " + name + ": the step must be greater than 0";
        return std::nullopt;
    }
    if (range.to < range.from) {
        error = "--sweep " + name + ": TO must not be below FROM";
        return std::nullopt;
    }
    if (ValueCount(range.from, range.to, range.step) > kMaxSweepDesigns) {
        error = "--sweep " + name + ": more than " + std::to_string(kMaxSweepDesigns) + " values";
        return std::nullopt;
    }
    return range;
}

std::vector<double> RangeValues(const SweepRange& range) {
    std::vector<double> values(ValueCount(range.from, range.to, range.step));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = range.from + static_cast<double>(i) * range.step;
    return values;
}

std::vector<std::string> RangeTexts(const SweepRange& range) {
    const std::vector<double> values = RangeValues(range);
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (double value : values) texts.push_back(DecimalText(value));
    return texts;
}

DesignConditions WithValues(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                            const std::vector<std::string>& values) {
    DesignConditions conditions = base;
    for (std::size_t k = 0; k < ranges.size() && k < values.size(); ++k)
        conditions.*(ranges[k].input->field) = values[k];
    return conditions;
}
