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
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

#include "calc/single.h"

namespace {

using pattern_syntax::ClosingQuote;
using pattern_syntax::IsExponentAt;
using pattern_syntax::IsPlain;

// Digits of the exact decimal expansion that count; the rest only decides their rounding.
constexpr int kSignificantDigits = 18;

// Patterns that are not literals may come again and again: each thread keeps the sections of
// the patterns it met, found by where the pattern lies and its length and checked
// against a copy of its text. Should the patterns fill half the table, or their copies a quarter
// megabyte, it starts afresh.
class PatternCache {
  public:
    const PatternSections& Find(std::string_view pattern) {
        const auto address = reinterpret_cast<std::uintptr_t>(pattern.data());
        std::size_t slot = ((address >> 3) ^ (address >> 13) ^ pattern.size()) % kSlots;
        for (; slots_[slot].entry >= 0; slot = (slot + 1) % kSlots) {
            if (slots_[slot].address != address || slots_[slot].size != pattern.size()) continue;
            Entry& entry = entries_[static_cast<std::size_t>(slots_[slot].entry)];
            if (entry.text != pattern) Parse(entry, pattern);
            return entry.sections;
        }
        if (entries_.size() == kSlots / 2 || copied_ > kMostCopied) {
            entries_.clear();
            blocks_.clear();
            copied_ = 0;
            slots_.fill({});
            return Find(pattern);
        }
        slots_[slot] = {address, pattern.size(), static_cast<int>(entries_.size())};
        Parse(entries_.emplace_back(), pattern);
        return entries_.back().sections;
    }

  private:
    struct Entry {
        std::string_view text;  // the copy
        PatternSections sections;
    };
    struct Slot {
        std::uintptr_t address = 0;
        std::size_t size = 0;
        int entry = -1;  // none
    };
    static constexpr std::size_t kSlots = 1024;
    static constexpr std::size_t kBlock = 4096;
    static constexpr std::size_t kMostCopied = 256 * 1024;

    void Parse(Entry& entry, std::string_view pattern) {
        entry.text = Copy(pattern);
        entry.sections = ParsePattern(entry.text);
    }

    // A copy in blocks that stay where they are while more are added.
    std::string_view Copy(std::string_view text) {
        if (blocks_.empty() || used_ + text.size() > kBlock) {
            blocks_.push_back(std::make_unique<char[]>(std::max(kBlock, text.size())));
            used_ = 0;
        }
        char* const at = blocks_.back().get() + used_;
        std::copy(text.begin(), text.end(), at);
        used_ += text.size();
        copied_ += text.size();
        return {at, text.size()};
    }

    std::array<Slot, kSlots> slots_;
    std::vector<Entry> entries_;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;    // of the last block
    std::size_t copied_ = 0;  // into every block
};

// The sections of a literal as compiled, of other text as this thread's cache holds them.
const PatternSections& Sections(const Pattern& pattern) {
    if (const PatternSections* parsed = pattern.Parsed()) return *parsed;
    thread_local PatternCache cache;
    return cache.Find(pattern.Text());
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

// Read from the bits: a Single needs no extended arithmetic.
BinaryValue Decompose(Single value) {
    const std::uint32_t bits = value.Bits() & 0x7FFF'FFFFu;
    const std::uint32_t biased = bits >> 23, fraction = bits & 0x7F'FFFFu;
    if (biased == 0) return {fraction, -149};  // zero and the subnormals
    return {fraction | 0x80'0000u, static_cast<int>(biased) - 150};
}

using Wide = unsigned __int128;

constexpr int kWideBits = 127;  // the digits below are formed from numbers below 2^127

constexpr int BitWidth(Wide value) {
    int bits = 0;
    for (; value != 0; value >>= 1) ++bits;
    return bits;
}

struct WidePower {
    Wide value;
    int bits;
};

// Powers of five while they stay below 2^127, with their widths.
constexpr auto kWidePowersOfFive = [] {
    std::array<WidePower, 55> powers{};
    Wide power = 1;
    for (WidePower& p : powers) {
        p = {power, BitWidth(power)};
        power *= 5;
    }
    return powers;
}();

// The leading decimal digits of a whole number below 2^127, at most `capacity`; returns how
// many digits there are.
int WideDigits(Wide value, char* out, int capacity) {
    constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000u;
    char buffer[40];
    char* end = buffer;
    if (value < kTen19) {
        end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(value)).ptr;
    } else {
        const auto high = static_cast<std::uint64_t>(value / kTen19);
        const auto low = static_cast<std::uint64_t>(value % kTen19);
        end = std::to_chars(buffer, buffer + sizeof buffer, high).ptr;
        char lowDigits[20];
        const auto length = std::to_chars(lowDigits, lowDigits + 20, low).ptr - lowDigits;
        end = std::fill_n(end, 19 - length, '0');
        end = std::copy_n(lowDigits, length, end);
    }
    const auto length = static_cast<int>(end - buffer);
    std::copy_n(buffer, std::min(length, capacity), out);
    return length;
}

// The exact decimal expansion rounded to its significant digits. Every binary fraction has a
// finite expansion: with e < 0, mantissa × 2^e = mantissa × 5^-e × 10^e, so the digits are
// those of the integer mantissa × 5^-e. Where that integer fits 128 bits it is formed
// directly, else in base-10^9 limbs.
Digits SignificantDigits(BinaryValue value) {
    Digits d;
    if (value.mantissa == 0) return d;
    const int zeros = std::countr_zero(value.mantissa);
    const int exponent = value.exponent + zeros;
    const std::uint64_t mantissa = value.mantissa >> zeros;
    const int capacity = static_cast<int>(d.text.size());
    const int bits = std::bit_width(mantissa);
    int length = 0;
    const bool fivesFit = exponent < 0 && -exponent < static_cast<int>(kWidePowersOfFive.size()) &&
                          bits + kWidePowersOfFive[-exponent].bits <= kWideBits;
    if (exponent >= 0 && bits + exponent <= kWideBits) {
        length = WideDigits(Wide{mantissa} << exponent, d.text.data(), capacity);
    } else if (fivesFit) {
        length = WideDigits(mantissa * kWidePowersOfFive[-exponent].value, d.text.data(), capacity);
    } else {
        DecimalInteger whole(mantissa);
        if (exponent >= 0)
            whole.MultiplyByPowerOfTwo(exponent);
        else
            whole.MultiplyByPowerOfFive(-exponent);
        length = whole.LeadingDigits(d.text.data(), capacity);
    }
    d.count = std::min(length, capacity);
    d.exponent = length + (exponent < 0 ? exponent : 0);
    while (d.text[d.count - 1] == '0') --d.count;
    RoundDigits(d, kSignificantDigits);
    return d;
}

// |value| × 10^decimals for a Single with at most nine decimals, rounded half away from zero
// straight from its bits: mantissa × 5^decimals × 2^(exponent + decimals), whole in 64 bits.
// Its digits equal those of rounding to the significant digits first: a Single with nine or
// fewer decimals lies farther from each midpoint of its last decimal than that first rounding
// moves it. Nothing where the scaled value reaches 10^17, whose digits that first rounding may
// cut.
std::optional<std::uint64_t> ScaledFixed(Single value, int decimals) {
    constexpr std::uint64_t kLimit = 100'000'000'000'000'000u;
    const BinaryValue binary = Decompose(value);
    std::uint64_t scaled =
        binary.mantissa * static_cast<std::uint64_t>(kWidePowersOfFive[decimals].value);
    const int shift = binary.exponent + decimals;
    if (shift >= 0) {
        if (shift >= 64 - static_cast<int>(std::bit_width(scaled))) return std::nullopt;
        scaled <<= shift;
    } else if (shift < -63) {
        scaled = 0;
    } else {
        scaled = (scaled + (std::uint64_t{1} << (-shift - 1))) >> -shift;
    }
    if (scaled >= kLimit) return std::nullopt;
    return scaled;
}

// The digits of a value scaled by 10^decimals.
Digits FixedDigits(std::uint64_t scaled, int decimals) {
    Digits d;
    if (scaled == 0) return d;
    char* const text = d.text.data();
    int count = static_cast<int>(std::to_chars(text, text + d.text.size(), scaled).ptr - text);
    d.exponent = count - decimals;
    while (text[count - 1] == '0') --count;
    d.count = count;
    return d;
}

// Rounds the significant digits to those the layout shows: to its decimals in fixed notation,
// to its placeholders in exponent notation. Returns the exponent that exponent notation
// writes, 0 in fixed notation. No digits remain where the value shows as zero.
int RoundForLayout(const PatternLayout& layout, Digits& d) {
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

// The digits a rounded value shows in fixed notation, looked up by their place: the integer
// digits with the zeros the layout puts before them, the fraction digits up to the last one
// the layout keeps.
class Places {
  public:
    Places(const PatternLayout& layout, const Digits& d) : d_(d) {
        const int own = std::max(d.exponent, 0);
        integerLength_ = std::max(own, layout.forcedInteger);
        leadingZeros_ = integerLength_ - own;
        fractionLength_ = layout.decimals;
        while (fractionLength_ > layout.forcedDecimals && Fraction(fractionLength_ - 1) == '0')
            --fractionLength_;
    }
    int IntegerLength() const { return integerLength_; }
    int FractionLength() const { return fractionLength_; }
    char Integer(int k) const {
        const int place = k - leadingZeros_;
        return place >= 0 && place < d_.count ? d_.text[place] : '0';
    }
    char Fraction(int k) const {
        const int place = d_.exponent + k;
        return place >= 0 && place < d_.count ? d_.text[place] : '0';
    }

  private:
    const Digits& d_;
    int integerLength_ = 0, leadingZeros_ = 0, fractionLength_ = 0;
};

// The exponent as exponent notation writes it: its sign, then at least as many digits as the
// layout asks for.
std::string ExponentText(const PatternLayout& layout, int exponent) {
    const std::string digits = std::to_string(std::abs(exponent));
    std::string text;
    if (exponent < 0)
        text += '-';
    else if (layout.exponentSigned)
        text += '+';
    if (layout.exponentDigits > static_cast<int>(digits.size()))
        text.append(layout.exponentDigits - digits.size(), '0');
    return text + digits;
}

// Writes the section's text with the digits in place of the placeholders, at most
// LongestText characters; returns the end of what it wrote.
char* Render(char* at, const PatternSection& chosen, const Places& places,
             std::string_view exponentText) {
    const std::string_view section = chosen.text;
    const PatternLayout& layout = chosen.layout;
    const int integerLength = places.IntegerLength();
    const auto append = [&at](std::string_view text) {
        at = std::copy(text.begin(), text.end(), at);
    };

    // Integer digits fill the integer placeholders from the right; extra ones go to the first.
    const int spare = integerLength - layout.integerPlaceholders;
    const auto writeInteger = [&](int slot) {
        const int last = slot + spare;  // inclusive
        for (int k = slot == 0 ? 0 : std::max(last, 0); k <= last; ++k) {
            *at++ = places.Integer(k);
            const int after = integerLength - 1 - k;  // digits still to come
            if (layout.thousands && after > 0 && after % 3 == 0) *at++ = ',';
        }
    };
    int integerSlot = 0, fractionSlot = 0;
    bool afterPoint = false, inExponent = false;
    append(section.substr(0, chosen.plainPrefix));
    for (std::size_t k = chosen.plainPrefix; k < chosen.plainSuffix; ++k) {
        const char c = section[k];
        if (IsPlain(c)) {  // with the plain characters that follow it
            std::size_t end = k + 1;
            while (end < section.size() && IsPlain(section[end])) ++end;
            append(section.substr(k, end - k));
            k = end - 1;
        } else if (c == '\'' || c == '"') {  // quoted text, without its quotes
            const std::size_t end = ClosingQuote(section, k);
            append(section.substr(k + 1, end - k - 1));
            k = end;
        } else if (inExponent) {
            if (c != '0' && c != '#') *at++ = c;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                if (fractionSlot < places.FractionLength()) *at++ = places.Fraction(fractionSlot);
                ++fractionSlot;
            } else {
                writeInteger(integerSlot++);
            }
        } else if (c == '.') {
            if (!afterPoint && places.FractionLength() > 0) *at++ = '.';
            afterPoint = true;
        } else if (c == ',') {
        } else if (layout.scientific && IsExponentAt(section, k)) {
            *at++ = c;
            append(exponentText);
            inExponent = true;
            ++k;
        } else {
            *at++ = c;
        }
    }
    append(section.substr(chosen.plainSuffix));
    return at;
}

// "00" to "99", one pair after another.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int k = 0; k < 100; ++k) {
        pairs[2 * k] = static_cast<char>('0' + k / 10);
        pairs[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
    return pairs;
}();

// The most zeros before the integer digits that the plain way writes.
constexpr int kMostForcedInteger = 24;

// The places of a value scaled by 10^decimals as a section's layout shows them, read from the
// whole number itself: the same places as those of its digits. The value is not zero.
class ScaledPlaces {
  public:
    ScaledPlaces(const PatternLayout& layout, std::uint64_t scaled) {
        // Written from the end, two digits at a time: the digits of the value, the zeros that
        // complete its decimals, then those the layout puts before the integer digits.
        char* const fraction = text_.data() + kIntegerRoom;
        char* at = fraction + layout.decimals;
        for (; scaled >= 100; scaled /= 100)
            at = std::copy_n(&kDigitPairs[2 * (scaled % 100)], 2, at - 2) - 2;
        if (scaled >= 10)
            at = std::copy_n(&kDigitPairs[2 * scaled], 2, at - 2) - 2;
        else
            *--at = static_cast<char>('0' + scaled);
        while (at > fraction) *--at = '0';
        while (fraction - at < layout.forcedInteger) *--at = '0';
        integer_ = at;
        integerLength_ = static_cast<int>(fraction - at);
        fractionLength_ = layout.decimals;
        while (fractionLength_ > layout.forcedDecimals && fraction[fractionLength_ - 1] == '0')
            --fractionLength_;
    }
    int IntegerLength() const { return integerLength_; }
    int FractionLength() const { return fractionLength_; }
    char Integer(int k) const { return integer_[k]; }
    char Fraction(int k) const { return text_[kIntegerRoom + k]; }

    // Below 10^17 a scaled value has at most 17 integer digits; a layout may ask for more.
    static constexpr int kIntegerRoom = 17 + kMostForcedInteger;

  private:
    std::array<char, kIntegerRoom + 9> text_;
    const char* integer_ = nullptr;
    int integerLength_ = 0, fractionLength_ = 0;
};

// Render for a section whose number is only placeholders, separators and points: the integer
// digits where it has integer placeholders, the point where the fraction shows, the fraction.
template <typename AnyPlaces>
char* RenderPlainNumber(char* at, const PatternSection& chosen, const AnyPlaces& places) {
    const std::string_view section = chosen.text;
    const PatternLayout& layout = chosen.layout;
    at = std::copy_n(section.data(), chosen.plainPrefix, at);
    const int integerLength = layout.integerPlaceholders > 0 ? places.IntegerLength() : 0;
    if (layout.thousands) {
        for (int k = 0; k < integerLength; ++k) {
            *at++ = places.Integer(k);
            const int after = integerLength - 1 - k;  // digits still to come
            if (after > 0 && after % 3 == 0) *at++ = ',';
        }
    } else {
        for (int k = 0; k < integerLength; ++k) *at++ = places.Integer(k);
    }
    if (places.FractionLength() > 0) *at++ = '.';
    for (int k = 0; k < places.FractionLength(); ++k) *at++ = places.Fraction(k);
    const std::string_view suffix = section.substr(chosen.plainSuffix);
    return std::copy(suffix.begin(), suffix.end(), at);
}

// What `render` writes after a minus where asked: at most `longest` characters, given where to
// start, returning where it ended.
template <typename Render>
std::string Rendered(std::size_t longest, bool minus, Render render) {
    char buffer[256];
    std::string spill;
    char* const begin = longest <= sizeof buffer ? buffer : (spill.resize(longest), spill.data());
    char* at = begin;
    if (minus) *at++ = '-';
    return std::string(begin, render(at));
}

// The most a section writes: each of its characters at most one, but for the first integer
// placeholder (every spare digit with its separators) and the exponent.
std::size_t Longest(const PatternSection& chosen, int integerLength, bool minus,
                    std::size_t exponentLength = 0) {
    return minus + chosen.text.size() + integerLength + integerLength / 3 + exponentLength;
}

// The section's text for the digits, rounded for its layout, after a minus where asked.
std::string Written(const PatternSection& chosen, const Digits& digits, int exponent, bool minus) {
    const PatternLayout& layout = chosen.layout;
    const Places places(layout, digits);
    const std::string exponentText = layout.scientific ? ExponentText(layout, exponent) : "";
    const std::size_t longest = Longest(chosen, places.IntegerLength(), minus, exponentText.size());
    return Rendered(longest, minus, [&](char* at) {
        return chosen.plainNumber ? RenderPlainNumber(at, chosen, places)
                                  : Render(at, chosen, places, exponentText);
    });
}

// A section of only placeholders, separators and points, which is what most report lines ask
// for, takes the plain way in fixed notation: written from the scaled value without its digits
// apart.
bool WritesPlain(const PatternSection& chosen) {
    return chosen.plainNumber && chosen.layout.forcedInteger <= kMostForcedInteger;
}

std::string WrittenPlain(const PatternSection& chosen, std::uint64_t scaled, bool minus) {
    const ScaledPlaces places(chosen.layout, scaled);
    // Bounded by the most integer digits the plain way writes and a minus, which costs nothing
    // to find.
    return Rendered(Longest(chosen, ScaledPlaces::kIntegerRoom, true), minus,
                    [&](char* at) { return RenderPlainNumber(at, chosen, places); });
}

// Up to three sections: for positive values, for negative ones, for zero. A value takes the
// negative or zero section only where that section is not empty, else the first.
template <typename Number>
std::string Format(const Pattern& pattern, Number value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    const PatternSections& sections = Sections(pattern);
    const bool negative = value < 0;
    const bool hasNegative = negative && !sections.negative.text.empty();
    const bool minus = negative && !hasNegative;
    const PatternSection& chosen = hasNegative ? sections.negative : sections.positive;
    const PatternLayout& layout = chosen.layout;
    std::optional<Digits> digits;
    int exponent = 0;
    if constexpr (std::is_same_v<Number, Single>) {
        const auto scaled = !layout.scientific && layout.decimals <= 9
                                ? ScaledFixed(value, layout.decimals)
                                : std::nullopt;
        if (scaled && *scaled != 0 && WritesPlain(chosen))
            return WrittenPlain(chosen, *scaled, minus);
        if (scaled) digits = FixedDigits(*scaled, layout.decimals);
    }
    if (!digits) {
        digits = SignificantDigits(Decompose(value));
        exponent = RoundForLayout(layout, *digits);
    }
    if (digits->count == 0) {
        const PatternSection& zero = sections.zero.text.empty() ? sections.positive : sections.zero;
        return Written(zero, Digits{}, 0, false);
    }
    return Written(chosen, *digits, exponent, minus);
}

}  // namespace

std::string FormatLine(const Pattern& pattern, double value) {
    return Format(pattern, Single(value));
}

std::string FormatFloat(const Pattern& pattern, long double value) {
    return Format(pattern, value);
}
