// Sweep ranges from their text, the grid of designs and its evaluation.
#include "calc/study/sweep.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "calc/decimal.h"

namespace {

// The decimal places a number's text gives: "0.25" 2, "1e-10" 10, "1.5e3" −2. Taken from a
// text that the strict conversion accepted.
int DecimalPlaces(std::string_view text) {
    const auto exponentAt = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, exponentAt);
    const auto point = mantissa.find('.');
    long places =
        point == std::string_view::npos ? 0 : static_cast<long>(mantissa.size() - point - 1);
    if (exponentAt != std::string_view::npos) {
        long exponent = 0;
        std::string_view digits = text.substr(exponentAt + 1);
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec ==
            std::errc::result_out_of_range)
            exponent = digits.front() == '-' ? -10'000 : 10'000;
        places -= std::clamp(exponent, -10'000L, 10'000L);
    }
    return static_cast<int>(std::clamp(places, -10'000L, 10'000L));
}

// The number an entry holds after reading the text: a Single entry rounds it to a float.
double Held(const NumericInput& input, const std::string& text) {
    const double value = ParseDouble(text, input.name);
    if (!input.single || std::fabs(value) > std::numeric_limits<float>::max()) return value;
    return static_cast<float>(value);
}

// The first value that reads as the one before it, if any.
std::optional<std::size_t> FirstRepeated(const SweepRange& range) {
    const std::size_t count = ValueCount(range);
    double previous = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const double held = Held(*range.input, ValueText(range, k));
        if (k > 0 && !(held > previous)) return k;
        previous = held;
    }
    return std::nullopt;
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
    const std::string from(text.substr(equals + 1, colon1 - equals - 1));
    const std::string step(text.substr(colon2 + 1));
    try {
        range.from = ParseDouble(from, name);
        range.to = ParseDouble(std::string(text.substr(colon1 + 1, colon2 - colon1 - 1)), name);
        range.step = ParseDouble(step, name);
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
    if (ValueCount(range) > kMaxSweepDesigns) {
        error = "--sweep " + name + ": more than " + std::to_string(kMaxSweepDesigns) + " values";
        return std::nullopt;
    }
    range.decimals = std::max(DecimalPlaces(Trimmed(from)), DecimalPlaces(Trimmed(step)));
    if (const auto repeated = FirstRepeated(range)) {
        error = "--sweep " + name + ": a step of " + Trimmed(step) + " is finer than " + name +
                " tells apart near " + ValueText(range, *repeated);
        return std::nullopt;
    }
    return range;
}

std::size_t ValueCount(const SweepRange& range) {
    const double steps = std::floor((range.to - range.from) / range.step + 1e-9);
    return steps < 0 ? 0 : static_cast<std::size_t>(std::min(steps, 1e12)) + 1;
}

std::string ValueText(const SweepRange& range, std::size_t k) {
    double value = range.from + static_cast<double>(k) * range.step;
    // The decimal the value stands for is an integer times 10^−decimals; as long as that
    // integer is exact in a double, it is read back from its exact text.
    const double scale = std::pow(10.0, std::abs(range.decimals));
    const double scaled = range.decimals >= 0 ? value * scale : value / scale;
    if (std::isfinite(scale) && std::fabs(scaled) < 0x1p53) {
        const std::string exact =
            std::to_string(std::llround(scaled)) + "e" + std::to_string(-range.decimals);
        std::from_chars(exact.data(), exact.data() + exact.size(), value);
    }
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::vector<double> RangeValues(const SweepRange& range) {
    std::vector<double> values(ValueCount(range));
    for (std::size_t k = 0; k < values.size(); ++k)
        values[k] = ParseDouble(ValueText(range, k), range.input->name);
    return values;
}

std::vector<std::string> RangeTexts(const SweepRange& range) {
    std::vector<std::string> texts(ValueCount(range));
    for (std::size_t k = 0; k < texts.size(); ++k) texts[k] = ValueText(range, k);
    return texts;
}

DesignConditions WithValues(const DesignConditions& base, const std::vector<SweepRange>& ranges,
                            const std::vector<std::string>& values) {
    DesignConditions conditions = base;
    for (std::size_t k = 0; k < ranges.size() && k < values.size(); ++k)
        conditions.*(ranges[k].input->field) = values[k];
    return conditions;
}
