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

// The message for a quantity of the design conditions that could not be computed; `what`
// names the quantity and the entries it is formed from.
std::string UncomputableValueMessage(const std::string& what);

// The message for a stage of the run that met a value it could not compute; `stage` reads
// like "部材断面力の計算".
std::string UncomputableStageMessage(const std::string& stage);
