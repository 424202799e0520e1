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

std::vector<StudyRow> SweepRows(const std::vector<SweepRange>& ranges) {
    std::vector<StudyRow> rows(1);
    for (const SweepRange& range : ranges) {
        std::vector<StudyRow> grown;
        const auto values = RangeValues(range);
        grown.reserve(rows.size() * values.size());
        for (const StudyRow& row : rows)
            for (double value : values) {
                grown.push_back(row);
                grown.back().values.push_back(DecimalText(value));
            }
        rows = std::move(grown);
    }
    return rows;
}

DesignConditions WithValues(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                            const std::vector<std::string>& values) {
    DesignConditions conditions = base;
    for (std::size_t k = 0; k < ranges.size() && k < values.size(); ++k)
        conditions.*(ranges[k].input->field) = values[k];
    return conditions;
}

bool EvaluateRows(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                  std::vector<StudyRow>& rows, const StudyControl& control) {
    return ParallelFor(
        rows.size(),
        [&](std::size_t i) {
            rows[i].result = EvaluateDesign(WithValues(base, ranges, rows[i].values));
            return true;
        },
        control);
}
