// A number pattern split into its sections and what their placeholders ask for. A literal
// pattern, "0.00kN"_pattern, is parsed while compiling; any other text where it is formatted.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pattern_syntax {

// Characters without a meaning in a pattern, copied to the output as they stand.
inline constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    for (const char c : std::string_view("0#.,;'\"Ee"))
        plain[static_cast<unsigned char>(c)] = false;
    return plain;
}();

constexpr bool IsPlain(char c) {
    return kPlain[static_cast<unsigned char>(c)];
}

// Position of the quote that closes the one at `open`, or the end of the text. (Searched
// character by character: the library's search is no constant expression under UBSan.)
constexpr std::size_t ClosingQuote(std::string_view text, std::size_t open) {
    std::size_t k = open + 1;
    while (k < text.size() && text[k] != text[open]) ++k;
    return k;
}

constexpr bool IsExponentAt(std::string_view s, std::size_t k) {
    return (s[k] == 'E' || s[k] == 'e') && k + 1 < s.size() && (s[k + 1] == '+' || s[k + 1] == '-');
}

}  // namespace pattern_syntax

// What the placeholders of one section ask for.
struct PatternLayout {
    int integerPlaceholders = 0;  // "0" and "#" before the point
    int forcedInteger = 0;        // "0" before the point
    int decimals = 0;             // placeholders after the point
    int forcedDecimals = 0;       // position after the last "0" after the point
    int exponentDigits = 0;
    bool thousands = false;
    bool scientific = false;
    bool exponentSigned = false;  // "E+" always writes the sign, "E-" only a minus
};

// One section of a pattern: its text, what its placeholders ask for, and where the section
// after it starts (npos when it is the last).
struct PatternSection {
    std::string_view text;
    PatternLayout layout;
    std::size_t next = std::string_view::npos;
    std::size_t plainPrefix = 0;  // leading characters without a meaning, copied as they stand
    std::size_t plainSuffix = 0;  // where the trailing ones start
    bool plainNumber = false;     // between them only placeholders, separators and points
};

// The section that starts at `start` and runs to the next ";" outside quotes; empty when the
// pattern has no section there.
constexpr PatternSection ParseSection(std::string_view pattern, std::size_t start) {
    using namespace pattern_syntax;
    PatternSection section;
    if (start > pattern.size()) return section;
    PatternLayout& layout = section.layout;
    bool afterPoint = false;
    std::size_t k = start;
    while (k < pattern.size() && IsPlain(pattern[k])) ++k;
    section.plainPrefix = k - start;
    std::size_t meaningEnd = k;
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
        meaningEnd = k + 1;
    }
    const std::size_t end = std::min(k, pattern.size());
    section.text = pattern.substr(start, end - start);
    section.plainSuffix = std::min(meaningEnd, end) - start;
    section.plainNumber = std::all_of(
        section.text.begin() + section.plainPrefix, section.text.begin() + section.plainSuffix,
        [](char c) { return c == '0' || c == '#' || c == ',' || c == '.'; });
    return section;
}

// A pattern's sections; the negative and zero ones have no text where the pattern has none.
struct PatternSections {
    PatternSection positive, negative, zero;
};

constexpr PatternSections ParsePattern(std::string_view pattern) {
    PatternSections s;
    s.positive = ParseSection(pattern, 0);
    s.negative = ParseSection(pattern, s.positive.next);
    s.zero = ParseSection(pattern, s.negative.next);
    return s;
}

// A pattern's text and its sections: those of a literal found while compiling, those of text
// made while running found where it is formatted.
class Pattern {
  public:
    Pattern(std::string_view text) : text_(text) {}
    Pattern(const std::string& text) : text_(text) {}
    constexpr Pattern(std::string_view text, const PatternSections& parsed)
        : text_(text), parsed_(&parsed) {}

    std::string_view Text() const { return text_; }
    // The sections found while compiling; none for text made while running.
    const PatternSections* Parsed() const { return parsed_; }

  private:
    std::string_view text_;
    const PatternSections* parsed_ = nullptr;
};

// The text of a literal pattern as a template argument.
template <std::size_t N>
struct PatternLiteral {
    char text[N];
    consteval PatternLiteral(const char (&literal)[N]) { std::copy_n(literal, N, text); }
    constexpr std::string_view Text() const { return {text, N - 1}; }
};

template <PatternLiteral literal>
inline constexpr PatternSections kLiteralSections = ParsePattern(literal.Text());

// A literal pattern, "0.00kN"_pattern, whose sections are found while compiling.
template <PatternLiteral literal>
consteval Pattern operator""_pattern() {
    return Pattern(literal.Text(), kLiteralSections<literal>);
}
