// The pattern language: sections, digit placeholders, decimal point, thousands grouping,
// quoted literals and the sign rules, rounding half away from zero on the decimal expansion.
#include "calc/sheet/format_line.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Digits of the exact decimal expansion that count; the rest only decides their rounding.
constexpr int kSignificantDigits = 18;

// Characters without a meaning in a pattern, copied to the output as they stand.
constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    for (const char c : std::string_view("0#.,;'\"Ee"))
        plain[static_cast<unsigned char>(c)] = false;
    return plain;
}();

bool IsPlain(char c) {
    return kPlain[static_cast<unsigned char>(c)];
}

// Position of the quote that closes the one at `open`, or the end of the text.
std::size_t ClosingQuote(std::string_view text, std::size_t open) {
    return std::min(text.find(text[open], open + 1), text.size());
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

// One section of a pattern: its text, what its placeholders ask for, and where the section
// after it starts (npos when it is the last).
struct Section {
    std::string_view text;
    Layout layout;
    std::size_t next = std::string_view::npos;
};

bool IsExponentAt(std::string_view s, std::size_t k) {
    return (s[k] == 'E' || s[k] == 'e') && k + 1 < s.size() && (s[k + 1] == '+' || s[k + 1] == '-');
}

// The section that starts at `start` and runs to the next ";" outside quotes; empty when the
// pattern has no section there.
Section ParseSection(std::string_view pattern, std::size_t start) {
    Section section;
    if (start > pattern.size()) return section;
    Layout& layout = section.layout;
    bool afterPoint = false;
    std::size_t k = start;
    for (; k < pattern.size(); ++k) {
        const char c = pattern[k];
        if (IsPlain(c)) continue;
        if (c == '\'' || c == '"') {
            k = ClosingQuote(pattern, k);
        } else if (c == ';') {
            section.next = k + 1;
            break;
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
        } else if (IsExponentAt(pattern, k)) {
            layout.scientific = true;
            layout.exponentSigned = pattern[k + 1] == '+';
            ++k;
        }
    }
    section.text = pattern.substr(start, std::min(k, pattern.size()) - start);
    return section;
}

// Writes a number below 10^9 as nine digits with leading zeros.
void WriteNineDigits(std::uint32_t value, char* out) {
    char digits[9];
    const auto length = static_cast<int>(std::to_chars(digits, digits + 9, value).ptr - digits);
    std::fill_n(out, 9 - length, '0');
    std::copy_n(digits, length, out + 9 - length);
}

// An integer in base-10^9 limbs, least significant first; wide enough for the mantissa of the
// smallest long double times the power of five that makes it whole.
class DecimalInteger {
  public:
    explicit DecimalInteger(std::uint64_t value) {
        for (; value > 0; value /= kBase)
            limbs_[size_++] = static_cast<std::uint32_t>(value % kBase);
    }

    void MultiplyByPowerOfTwo(int count) {
        constexpr int kStep = 29;  // 2^29 × 10^9 stays below 2^64
        for (; count >= kStep; count -= kStep) Multiply(std::uint32_t{1} << kStep);
        if (count > 0) Multiply(std::uint32_t{1} << count);
    }

    void MultiplyByPowerOfFive(int count) {
        // 5^13 is the largest power of five below 2^32.
        constexpr auto kPowers = [] {
            std::array<std::uint32_t, 14> powers{1};
            for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 5;
            return powers;
        }();
        constexpr int kStep = kPowers.size() - 1;
        for (; count >= kStep; count -= kStep) Multiply(kPowers[kStep]);
        if (count > 0) Multiply(kPowers[count]);
    }

    // Writes the leading decimal digits, at most `capacity`; returns how many digits there are.
    int LeadingDigits(char* out, int capacity) const {
        char top[10];
        const auto topCount =
            static_cast<int>(std::to_chars(top, top + sizeof top, limbs_[size_ - 1]).ptr - top);
        int written = std::min(topCount, capacity);
        std::copy_n(top, written, out);
        for (int limb = size_ - 2; limb >= 0 && written < capacity; --limb) {
            char group[9];
            WriteNineDigits(limbs_[limb], group);
            const int taken = std::min<int>(sizeof group, capacity - written);
            std::copy_n(group, taken, out + written);
            written += taken;
        }
        return topCount + 9 * (size_ - 1);
    }

  private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    // Mantissa digits plus at most 0.7 decimal digits for each factor of five.
    static constexpr int kCapacity = (20 + (std::numeric_limits<long double>::digits -
                                            std::numeric_limits<long double>::min_exponent) *
                                               7 / 10) /
                                         9 +
                                     2;

    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (int k = 0; k < size_; ++k) {
            const std::uint64_t product = std::uint64_t{limbs_[k]} * factor + carry;
            limbs_[k] = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry > 0; carry /= kBase)
            limbs_[size_++] = static_cast<std::uint32_t>(carry % kBase);
    }

    std::array<std::uint32_t, kCapacity> limbs_;
    int size_ = 0;
};

// Significant digits and decimal exponent of |value|: |value| = 0.d1d2d3… × 10^exponent.
struct Digits {
    // No leading or trailing zeros; a digit beyond the significant ones only decides their
    // rounding.
    std::array<char, kSignificantDigits + 1> text;
    int count = 0;  // no digits for zero
    int exponent = 0;
};

// Rounds to `keep` digits, half away from zero; the result may gain a digit.
void RoundDigits(Digits& d, int keep) {
    if (keep < 0) {
        d.count = 0;
        return;
    }
    if (d.count <= keep) return;
    const bool up = d.text[keep] >= '5';
    d.count = keep;
    if (up) {
        int k = keep - 1;
        while (k >= 0 && d.text[k] == '9') d.text[k--] = '0';
        if (k >= 0) {
            ++d.text[k];
        } else {  // only nines: one unit of the next power of ten
            d.text[0] = '1';
            d.count = 1;
            ++d.exponent;
        }
    }
    while (d.count > 0 && d.text[d.count - 1] == '0') --d.count;
    if (d.count == 0) d.exponent = 0;
}

// A finite magnitude as mantissa × 2^exponent.
struct BinaryValue {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

BinaryValue Decompose(long double value) {
    static_assert(std::numeric_limits<long double>::digits <= 64);
    if (value == 0) return {};
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    return {static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent - 64};
}

// Read from the bits: a float needs no extended arithmetic.
BinaryValue Decompose(float value) {
    static_assert(std::numeric_limits<float>::is_iec559);
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value) & 0x7FFF'FFFFu;
    const std::uint32_t biased = bits >> 23, fraction = bits & 0x7F'FFFFu;
    if (biased == 0) return {fraction, -149};  // zero and the subnormals
    return {fraction | 0x80'0000u, static_cast<int>(biased) - 150};
}

// The exact decimal expansion rounded to its significant digits. Every binary fraction has a
// finite expansion: with e < 0, mantissa × 2^e = mantissa × 5^-e × 10^e, so the digits are
// those of the integer mantissa × 5^-e.
Digits SignificantDigits(BinaryValue value) {
    Digits d;
    if (value.mantissa == 0) return d;
    const int zeros = std::countr_zero(value.mantissa);
    const int exponent = value.exponent + zeros;
    DecimalInteger whole(value.mantissa >> zeros);
    if (exponent >= 0)
        whole.MultiplyByPowerOfTwo(exponent);
    else
        whole.MultiplyByPowerOfFive(-exponent);
    const int length = whole.LeadingDigits(d.text.data(), static_cast<int>(d.text.size()));
    d.count = std::min(length, static_cast<int>(d.text.size()));
    d.exponent = length + (exponent < 0 ? exponent : 0);
    while (d.text[d.count - 1] == '0') --d.count;
    RoundDigits(d, kSignificantDigits);
    return d;
}

// Rounds the significant digits to those the layout shows: to its decimals in fixed notation,
// to its placeholders in exponent notation. Returns the exponent that exponent notation
// writes, 0 in fixed notation. No digits remain where the value shows as zero.
int RoundForLayout(const Layout& layout, Digits& d) {
    if (d.count == 0) return 0;
    if (!layout.scientific) {
        RoundDigits(d, d.exponent + layout.decimals);
        return 0;
    }
    const int integerDigits = std::max(layout.integerPlaceholders, 1);
    RoundDigits(d, integerDigits + layout.decimals);
    const int exponent = d.exponent - integerDigits;
    d.exponent = integerDigits;
    return exponent;
}

// Integer and fraction digit strings of a rounded value in fixed notation.
void Split(const Digits& d, std::string& integer, std::string& fraction) {
    const std::string_view digits(d.text.data(), d.count);
    if (d.exponent > 0) {
        integer.assign(digits.substr(0, d.exponent));
        if (d.exponent > d.count) integer.append(d.exponent - d.count, '0');
        if (d.count > d.exponent) fraction.assign(digits.substr(d.exponent));
    } else if (d.count > 0) {
        fraction.assign(-d.exponent, '0');
        fraction.append(digits);
    }
}

// Appends the section's text with the digits, rounded for its layout, in place of the
// placeholders.
void Render(std::string& out, std::string_view section, const Layout& layout, const Digits& digits,
            int exponent) {
    std::string integer, fraction, exponentText;
    Split(digits, integer, fraction);
    if (layout.scientific) {
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        if (exponent < 0)
            exponentText += '-';
        else if (layout.exponentSigned)
            exponentText += '+';
        if (layout.exponentDigits > static_cast<int>(exponentDigits.size()))
            exponentText.append(layout.exponentDigits - exponentDigits.size(), '0');
        exponentText += exponentDigits;
    }
    if (static_cast<int>(integer.size()) < layout.forcedInteger)
        integer.insert(0, layout.forcedInteger - integer.size(), '0');
    fraction.resize(layout.decimals, '0');
    while (static_cast<int>(fraction.size()) > layout.forcedDecimals && fraction.back() == '0')
        fraction.pop_back();

    // Integer digits fill the integer placeholders from the right; extra ones go to the first.
    const int spare = static_cast<int>(integer.size()) - layout.integerPlaceholders;
    auto writeInteger = [&](int slot) {
        const int last = slot + spare;  // inclusive
        for (int k = slot == 0 ? 0 : std::max(last, 0); k <= last; ++k) {
            out += integer[k];
            const std::size_t after = integer.size() - 1 - k;  // digits still to come
            if (layout.thousands && after > 0 && after % 3 == 0) out += ',';
        }
    };
    int integerSlot = 0, fractionSlot = 0;
    bool afterPoint = false, inExponent = false;
    out.reserve(out.size() + section.size() + integer.size() * 4 / 3 + exponentText.size());
    for (std::size_t k = 0; k < section.size(); ++k) {
        const char c = section[k];
        if (IsPlain(c)) {  // with the plain characters that follow it
            std::size_t end = k + 1;
            while (end < section.size() && IsPlain(section[end])) ++end;
            out.append(section.substr(k, end - k));
            k = end - 1;
        } else if (c == '\'' || c == '"') {  // quoted text, without its quotes
            const std::size_t end = ClosingQuote(section, k);
            out.append(section.substr(k + 1, end - k - 1));
            k = end;
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
}

// Up to three sections: for positive values, for negative ones, for zero. A value takes the
// negative or zero section only where that section is not empty, else the first.
template <typename Number>
std::string Format(std::string_view pattern, Number value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const Section first = ParseSection(pattern, 0);
    const bool negative = value < 0;
    const Section second = negative ? ParseSection(pattern, first.next) : Section{};
    const bool hasNegative = !second.text.empty();
    const Section& chosen = hasNegative ? second : first;
    Digits digits = SignificantDigits(Decompose(value));
    const int exponent = RoundForLayout(chosen.layout, digits);
    std::string out;
    if (digits.count == 0) {
        const std::size_t secondStart =
            negative ? second.next : ParseSection(pattern, first.next).next;
        const Section third = ParseSection(pattern, secondStart);
        const Section& zero = third.text.empty() ? first : third;
        Render(out, zero.text, zero.layout, Digits{}, 0);
    } else {
        if (negative && !hasNegative) out += '-';
        Render(out, chosen.text, chosen.layout, digits, exponent);
    }
    return out;
}

}  // namespace

std::string FormatLine(std::string_view pattern, double value) {
    return Format(pattern, static_cast<float>(value));
}

std::string FormatFloat(std::string_view pattern, long double value) {
    return Format(pattern, value);
}
