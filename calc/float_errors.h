// Floating-point errors of a run: a value that cannot be computed from the entries, told to
// the user in the words of the program rather than the processor's.
#pragma once

#include <cfenv>
#include <string>

// A division by zero, a value too large for its type or an operation without a result;
// underflow and rounding are ordinary.
inline constexpr int kFloatErrors = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

inline bool FloatErrorRaised() {
    return std::fetestexcept(kFloatErrors) != 0;
}

namespace float_errors_detail {
// Out of line, so that all of the attempt's arithmetic lies between saving and restoring the
// flags.
template <typename Attempt>
[[gnu::noinline]] auto Run(Attempt& attempt) {
    return attempt();
}
}  // namespace float_errors_detail

// Runs `attempt` and then puts the floating-point error flags back as they were: for a means
// that may fail where another decides, whose failure shows in its result and is no error of
// the run.
template <typename Attempt>
auto WithoutFloatErrors(Attempt attempt) {
    const int before = std::fetestexcept(kFloatErrors);
    auto result = float_errors_detail::Run(attempt);
    if (const int raised = std::fetestexcept(kFloatErrors) & ~before) std::feclearexcept(raised);
    return result;
}

// The message for a quantity of the design conditions that could not be computed; `what`
// names the quantity and the entries it is formed from.
std::string UncomputableValueMessage(const std::string& what);

// The message for a stage of the run that met a value it could not compute; `stage` reads
// like "部材断面力の計算".
std::string UncomputableStageMessage(const std::string& stage);
