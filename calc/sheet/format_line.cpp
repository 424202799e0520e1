// The pattern language: sections, digit placeholders, decimal point, thousands grouping,
// quoted literals and the sign rules, rounding half away from zero on the decimal expansion.
#include "calc/sheet/format_line.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// The sections of a pattern, split at every ";" outside quotes.
std::vector<std::string> SplitSections(const std::string& pattern) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : pattern) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

// What the placeholders of one section ask for.
struct Layout {
    int integerPlaceholders = 0;  // "0" and "#" before the point
    int forcedInteger = 0;        // "0" before the point
    int decimals = 0;             // placeholders after the point
    int forcedDecimals = 0;       // position after the last "0" after the point
    bool thousands = false;
    bool scientific = false;
    int exponentDigits = 0;
    bool exponentSigned = false;  // "E+" always writes the sign, "E-" only a minus
};

bool IsExponentAt(const std::string& s, std::size_t k) {
    return (s[k] == 'E' || s[k] == 'e') && k + 1 < s.size() && (s[k + 1] == '+' || s[k + 1] == '-');
}

Layout Analyse(const std::string& section) {
    Layout layout;
    bool afterPoint = false;
    char quote = 0;
    for (std::size_t k = 0; k < section.size(); ++k) {
        const char c = section[k];
        if (quote) {
            if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (layout.scientific) {
            if (c == '0') ++layout.exponentDigits;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                ++layout.decimals;
                if (c == '0') layout.forcedDecimals = layout.decimals;
            } else {
                ++layout.integerPlaceholders;
                if (c == '0') ++layout.forcedInteger;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',') {
            layout.thousands = true;
        } else if (IsExponentAt(section, k)) {
            layout.scientific = true;
            layout.exponentSigned = section[k + 1] == '+';
            ++k;
        }
    }
    return layout;
}

// The exact significant digits and decimal exponent of |value|: value = 0.digits × 10^exponent.
struct Digits {
    std::string digits;  // no leading zeros; empty for zero
    int exponent = 0;
};

// The decimal digits of an integer held in base-10^9 limbs, least significant limb first.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1'000'000'000;

void MultiplyLimbs(Limbs& limbs, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : limbs) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    for (; carry > 0; carry /= kLimbBase)
        limbs.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
}

// Multiplies by base^count, taking `perStep` factors of the base at a time.
void MultiplyByPower(Limbs& limbs, std::uint32_t base, int count, int perStep) {
    std::uint32_t step = 1;
    for (int k = 0; k < perStep; ++k) step *= base;
    for (; count >= perStep; count -= perStep) MultiplyLimbs(limbs, step);
    std::uint32_t rest = 1;
    for (; count > 0; --count) rest *= base;
    if (rest > 1) MultiplyLimbs(limbs, rest);
}

std::string LimbDigits(const Limbs& limbs) {
    std::string text = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        char group[9];
        std::uint32_t rest = *limb;
        for (int k = 8; k >= 0; --k, rest /= 10) group[k] = static_cast<char>('0' + rest % 10);
        text.append(group, sizeof group);
    }
    return text;
}

// Every binary fraction has a finite decimal expansion: with value = mantissa × 2^e and e < 0,
// value = mantissa × 5^-e × 10^e, so the digits are those of the integer mantissa × 5^-e.
Digits ExactDigits(long double value) {
    static_assert(std::numeric_limits<long double>::digits <= 64);
    Digits d;
    if (value == 0) return d;
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    exponent -= 64;
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exponent += zeros;

    Limbs limbs;
    for (; mantissa > 0; mantissa /= kLimbBase)
        limbs.push_back(static_cast<std::uint32_t>(mantissa % kLimbBase));
    if (exponent >= 0)
        MultiplyByPower(limbs, 2, exponent, 29);  // 2^29 × 10^9 stays below 2^64
    else
        MultiplyByPower(limbs, 5, -exponent, 13);  // 5^13 fits 32 bits
    d.digits = LimbDigits(limbs);
    d.exponent = static_cast<int>(d.digits.size()) + (exponent < 0 ? exponent : 0);
    while (d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Rounds the digit string to `keep` digits, half away from zero; the result may gain a digit.
void RoundDigits(Digits& d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<int>(d.digits.size()) <= keep) return;
    const bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int k = keep - 1;
        while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
        if (k >= 0) {
            ++d.digits[k];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

// The value's decimal expansion to at most 18 significant digits, rounded to `decimals`.
Digits Rounded(long double value, int decimals) {
    Digits d = ExactDigits(value);
    RoundDigits(d, 18);
    if (!d.digits.empty()) RoundDigits(d, d.exponent + decimals);
    return d;
}

// Integer and fraction digit strings of a rounded value in fixed notation.
void Split(const Digits& d, std::string& integer, std::string& fraction) {
    integer.clear();
    fraction.clear();
    for (int k = 0; k < static_cast<int>(d.digits.size()); ++k) {
        const int position = d.exponent - 1 - k;  // power of ten of this digit
        if (position >= 0) {
            integer += d.digits[k];
        } else {
            if (fraction.empty()) fraction.assign(-position - 1, '0');
            fraction += d.digits[k];
        }
    }
    if (d.exponent > static_cast<int>(d.digits.size()))
        integer.append(d.exponent - d.digits.size(), '0');
}

std::string WithGroups(const std::string& digits, std::size_t remainingAfter, bool thousands) {
    if (!thousands) return digits;
    std::string out;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        out += digits[k];
        const std::size_t after = digits.size() - 1 - k + remainingAfter;
        if (after > 0 && after % 3 == 0) out += ',';
    }
    return out;
}

// Writes |value| by one section; the caller decides the sign.
std::string Render(const std::string& section, const Layout& layout, long double value) {
    std::string integer, fraction, exponentText;
    if (layout.scientific) {
        const int integerDigits = layout.integerPlaceholders > 0 ? layout.integerPlaceholders : 1;
        Digits d = ExactDigits(value);
        RoundDigits(d, 18);
        int exponent = 0;
        if (!d.digits.empty()) {
            RoundDigits(d, integerDigits + layout.decimals);
            exponent = d.exponent - integerDigits;
            d.exponent = integerDigits;
        }
        Split(d, integer, fraction);
        const std::string digits = std::to_string(std::abs(exponent));
        exponentText = (exponent < 0            ? "-"
                        : layout.exponentSigned ? "+"
                                                : "") +
                       std::string(layout.exponentDigits > static_cast<int>(digits.size())
                                       ? layout.exponentDigits - digits.size()
                                       : 0,
                                   '0') +
                       digits;
    } else {
        Split(Rounded(value, layout.decimals), integer, fraction);
    }
    if (static_cast<int>(integer.size()) < layout.forcedInteger)
        integer.insert(0, layout.forcedInteger - integer.size(), '0');
    fraction.resize(layout.decimals, '0');
    while (static_cast<int>(fraction.size()) > layout.forcedDecimals && fraction.back() == '0')
        fraction.pop_back();

    // Integer digits fill the integer placeholders from the right; extra ones go to the first.
    const int spare = static_cast<int>(integer.size()) - layout.integerPlaceholders;
    std::string out;
    int integerSlot = 0, fractionSlot = 0;
    bool afterPoint = false, inExponent = false;
    char quote = 0;
    auto writeInteger = [&](int slot) {
        const int first = slot == 0 ? 0 : slot + spare;
        const int last = slot + spare;  // inclusive
        if (last < 0) return;
        const int from = first < 0 ? 0 : first;
        const std::string digits = integer.substr(from, last - from + 1);
        out += WithGroups(digits, integer.size() - 1 - last, layout.thousands);
    };
    for (std::size_t k = 0; k < section.size(); ++k) {
        const char c = section[k];
        if (quote) {
            if (c == quote)
                quote = 0;
            else
                out += c;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
        } else if (inExponent) {
            if (c != '0' && c != '#') out += c;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                if (fractionSlot < static_cast<int>(fraction.size())) out += fraction[fractionSlot];
                ++fractionSlot;
            } else {
                writeInteger(integerSlot++);
            }
        } else if (c == '.') {
            if (!afterPoint && !fraction.empty()) out += '.';
            afterPoint = true;
        } else if (c == ',') {
        } else if (layout.scientific && IsExponentAt(section, k)) {
            out += c;
            out += exponentText;
            inExponent = true;
            ++k;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string FormatLine(const std::string& pattern, double value) {
    return FormatFloat(pattern, static_cast<long double>(static_cast<float>(value)));
}

std::string FormatFloat(const std::string& pattern, long double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const auto sections = SplitSections(pattern);
    const bool negative = value < 0;
    const bool hasNegative = negative && sections.size() > 1 && !sections[1].empty();
    const std::string& chosen = hasNegative ? sections[1] : sections[0];
    const Layout layout = Analyse(chosen);
    const bool zero =
        layout.scientific ? value == 0 : Rounded(value, layout.decimals).digits.empty();
    if (zero) {
        const bool hasZero = sections.size() > 2 && !sections[2].empty();
        const std::string& section = hasZero ? sections[2] : sections[0];
        return Render(section, Analyse(section), 0);
    }
    const std::string text = Render(chosen, layout, std::fabs(value));
    return negative && !hasNegative ? "-" + text : text;
}
