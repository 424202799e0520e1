// Strict decimal conversion.
#include "calc/decimal.h"

#include <locale.h>
#include <stdlib.h>

#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// sign? digits* ("." digits*)? (("e"|"E") sign? digits+)?, with at least one mantissa digit.
bool IsDecimal(std::string_view s) {
    std::size_t k = 0;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    std::size_t digits = 0;
    while (k < s.size() && IsDigit(s[k])) ++k, ++digits;
    if (k < s.size() && s[k] == '.') {
        ++k;
        while (k < s.size() && IsDigit(s[k])) ++k, ++digits;
    }
    if (digits == 0) return false;
    if (k < s.size() && (s[k] == 'e' || s[k] == 'E')) {
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        std::size_t exponent = 0;
        while (k < s.size() && IsDigit(s[k])) ++k, ++exponent;
        if (exponent == 0) return false;
    }
    return k == s.size();
}

// The C locale, so that "." is the decimal point whatever locale the program runs under (a
// window system sets the user's, where the point may be a comma).
locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return classic;
}

std::string_view TrimmedView(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::string Trimmed(const std::string& text) {
    return std::string(TrimmedView(text));
}

ConversionError::ConversionError(const std::string& text, const std::string& field)
    : std::runtime_error("'" + text + "' は有効な数値ではありません。（" + field + "）"),
      text_(text),
      field_(field) {}

double ParseDouble(const std::string& text, std::string_view field) {
    const std::string_view s = TrimmedView(text);
    if (!IsDecimal(s)) throw ConversionError(text, std::string(field));
    // from_chars reads a number as strtod does, correctly rounded and without a locale, but
    // knows no "+" in front and leaves a value beyond the range of a double unread.
    const std::string_view number = s.front() == '+' ? s.substr(1) : s;
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc()) {
        // Too large is no number; too small is read as strtod reads it, as 0 or subnormal.
        errno = 0;
        value = strtod_l(std::string(s).c_str(), nullptr, ClassicLocale());
        if (errno == ERANGE && std::isinf(value)) throw ConversionError(text, std::string(field));
    }
    if (!std::isfinite(value)) throw ConversionError(text, std::string(field));
    return value;
}

Single ParseSingle(const std::string& text, std::string_view field) {
    const double value = ParseDouble(text, field);
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        throw ConversionError(text, std::string(field));
    return Single(value);
}

int ParseInteger(const std::string& text, const std::string& field) {
    const std::string s = Trimmed(text);
    std::size_t k = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (k == s.size()) throw ConversionError(text, field);
    for (std::size_t j = k; j < s.size(); ++j)
        if (!IsDigit(s[j])) throw ConversionError(text, field);
    errno = 0;
    const long long value = std::strtoll(s.c_str(), nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
        throw ConversionError(text, field);
    return static_cast<int>(value);
}
