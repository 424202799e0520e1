// Single: a number stored in 4 bytes that takes part in arithmetic as a double. A value is
// rounded to single precision when it is assigned, and only then; reading it gives a double,
// so an expression of Singles is evaluated in double (or wider) and never in single precision.
// This header is the only place in calc/ that names the 4-byte type itself; a test holds the
// rest of calc/ to that.
#pragma once

#include <bit>
#include <cstdint>
#include <limits>
#include <type_traits>

class Single {
  public:
    constexpr Single() = default;
    // From any arithmetic value, rounded once: a long double is not rounded to double first.
    template <typename T>
    requires std::is_arithmetic_v<T>
    constexpr Single(T value) : stored_(static_cast<float>(value)) {}

    constexpr operator double() const { return stored_; }

    // The operation in double (in long double with a long double operand), then one rounding.
    template <typename T>
    constexpr Single& operator+=(const T& value) {
        return *this = double(*this) + value;
    }
    template <typename T>
    constexpr Single& operator-=(const T& value) {
        return *this = double(*this) - value;
    }
    template <typename T>
    constexpr Single& operator*=(const T& value) {
        return *this = double(*this) * value;
    }
    template <typename T>
    constexpr Single& operator/=(const T& value) {
        return *this = double(*this) / value;
    }

    // The IEEE single-precision bits, for writing the stored value exactly.
    constexpr std::uint32_t Bits() const { return std::bit_cast<std::uint32_t>(*this); }

  private:
    float stored_ = 0;
};

static_assert(std::numeric_limits<float>::is_iec559 && sizeof(Single) == 4 &&
              std::is_trivially_copyable_v<Single>);
