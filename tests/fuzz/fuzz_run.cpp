// Fuzz target: the whole calculation run on input pages built from the bytes. Each text is
// kept, scaled, replaced by a built number (any size and sign, with or without an exponent)
// or by raw bytes; each choice index may leave its range. Whatever arrives, the run ends with
// one of its three results, no component shows NaN, infinity or a broken line, and the
// numbers-only evaluation ends as the run does.
#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "calc/study/design_result.h"

namespace {

// Reads the fuzz bytes front to back; past the end every byte is zero.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

int ChoiceIndex(ByteReader& in) {
    static constexpr std::array<int, 8> kIndices = {-1, 0, 1, 2, 3, 4, 1000, INT_MIN};
    const std::uint8_t b = in.Next();
    // Mostly in range, so that the run reaches its later stages.
    return b < 192 ? b % 4 : kIndices[b % kIndices.size()];
}

// Sign, digits, a point, digits and an exponent, each drawn from the bytes.
std::string BuiltNumber(ByteReader& in) {
    const std::uint8_t shape = in.Next();
    std::string text;
    if (shape & 1) text += (shape & 2) ? '-' : '+';
    const int whole = in.Next() % 12;
    for (int k = 0; k < whole; ++k) text += static_cast<char>('0' + in.Next() % 10);
    if (shape & 4) {
        text += '.';
        const int fraction = in.Next() % 12;
        for (int k = 0; k < fraction; ++k) text += static_cast<char>('0' + in.Next() % 10);
    }
    if (shape & 8) {
        text += (shape & 16) ? 'E' : 'e';
        if (shape & 32) text += (shape & 64) ? '-' : '+';
        text += std::to_string(in.Next() % 100 + (shape & 128 ? 300 : 0));
    }
    return text;
}

std::string RawText(ByteReader& in) {
    const int length = in.Next() % 12;
    std::string text;
    for (int k = 0; k < length; ++k) text += static_cast<char>(in.Next());
    return text;
}

// The entered value times a factor from 1/16 to 16, or its sign changed.
std::string Scaled(const std::string& text, ByteReader& in) {
    const double value = std::strtod(text.c_str(), nullptr);
    const std::uint8_t b = in.Next();
    const double factor = b == 0 ? -1.0 : std::pow(2.0, (b - 128) / 32.0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", in.Next() % 5, value * factor);
    return buffer;
}

void Draw(std::string& text, ByteReader& in) {
    switch (in.Next() % 8) {
        case 0:
        case 1:
        case 2:
            return;  // as entered
        case 3:
        case 4:
            text = Scaled(text, in);
            return;
        case 5:
            text = BuiltNumber(in);
            return;
        case 6:
            text = RawText(in);
            return;
        default: {
            static constexpr std::array<const char*, 12> kTexts = {
                "",     " ",     "-", "nan", "inf",       "-inf",
                "1e39", "1e-46", "0", "-0",  "0.0000001", "1e308"};
            text = kTexts[in.Next() % kTexts.size()];
            return;
        }
    }
}

DesignConditions Conditions(ByteReader& in) {
    DesignConditions c;
    c.soilType = ChoiceIndex(in);
    c.foundation = ChoiceIndex(in);
    c.liveLoad = ChoiceIndex(in);
    c.combination = ChoiceIndex(in);
    c.pitchMode = ChoiceIndex(in);
    c.lowerHaunch = in.Next() & 1;
    for (std::string* text : {&c.gammaS,
                              &c.gammaC,
                              &c.gammaA,
                              &c.h1,
                              &c.ha,
                              &c.Tu,
                              &c.TL,
                              &c.Tb,
                              &c.Hah,
                              &c.Hab,
                              &c.H,
                              &c.B,
                              &c.Ko,
                              &c.q,
                              &c.sigmaCk,
                              &c.sigmaCa,
                              &c.tauA,
                              &c.sigmaSa,
                              &c.sigmaSaJoint,
                              &c.tauOa,
                              &c.dTop,
                              &c.dWall,
                              &c.dBottomUpper,
                              &c.dBottomLower,
                              &c.tWeight,
                              &c.tAxleDistance,
                              &c.tImpactDepth})
        Draw(*text, in);
    // The pitch choice: "-", an entry, or anything.
    static constexpr std::array<const char*, 6> kPitches = {"-", "125", "150", "250", "300", ""};
    const std::uint8_t p = in.Next();
    c.pitch = p < 200 ? kPitches[p % kPitches.size()] : RawText(in);
    return c;
}

// "nan" or "inf" in any case, not inside a longer word.
bool ShowsNonFinite(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const char* word : {"nan", "inf"})
        for (auto at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
            if (at == 0 || lower[at - 1] < 'a' || lower[at - 1] > 'z') return true;
        }
    return false;
}

bool BreaksLine(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

void Require(bool holds, const char* what, const std::string& text = {}) {
    if (holds) return;
    std::fprintf(stderr, "fuzz_run: %s: [%s]\n", what, text.c_str());
    std::abort();
}

void CheckTable(const CalcTable& table) {
    for (const auto& [name, lines] : table.lists)
        for (const std::string& line : lines) {
            Require(!ShowsNonFinite(line), "non-finite value in a list", name + ": " + line);
            Require(!BreaksLine(line), "broken list line", name + ": " + line);
        }
    for (const auto& [name, grid] : table.grids)
        for (const auto& row : grid.cells)
            for (const std::string& cell : row) {
                Require(!ShowsNonFinite(cell), "non-finite value in a grid", name + ": " + cell);
                Require(!BreaksLine(cell), "broken grid cell", name + ": " + cell);
            }
    for (const auto& [name, label] : table.labels) {
        Require(!ShowsNonFinite(label.text), "non-finite label", name + ": " + label.text);
        // The quantity note puts the reason for no steel on a line of its own above it.
        if (name != "Label98" || label.text.find('\r') != std::string::npos)
            Require(!BreaksLine(label.text), "broken label", name + ": " + label.text);
    }
    for (const auto& [name, chart] : table.charts) {
        const auto finite = [](const Axis& a) {
            return std::isfinite(a.minimum) && std::isfinite(a.maximum);
        };
        Require(
            finite(chart.left) && finite(chart.bottom) && finite(chart.right) && finite(chart.top),
            "non-finite axis range", name);
        for (const Series& series : chart.series)
            for (const ChartPoint& p : series.points) {
                Require(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.endX) &&
                            std::isfinite(p.endY),
                        "non-finite chart point", name + "/" + series.name);
                Require(!ShowsNonFinite(p.label), "non-finite point label",
                        name + "/" + series.name + ": " + p.label);
                Require(!BreaksLine(p.label), "broken point label", name + ": " + p.label);
            }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    const DesignConditions conditions = Conditions(in);
    CalcTable table;
    RecordingMessenger messenger(in.Next() & 1);
    const RunResult result = RunCalculation(conditions, table, messenger);
    Require(result == RunResult::Completed || result == RunResult::CheckFailed ||
                result == RunResult::ConversionError,
            "unknown run result");
    // A conversion error quotes the text it could not read; the other messages are the
    // program's own.
    if (result != RunResult::ConversionError)
        for (const std::string& message : messenger.messages)
            Require(!ShowsNonFinite(message), "non-finite value in a message", message);
    CheckTable(table);

    // The numbers-only evaluation ends as the run ends and gives the run's verdict.
    const DesignResult evaluated = EvaluateDesign(conditions);
    Require(evaluated.status == result, "evaluation ends otherwise than the run");
    Require(evaluated.messages == messenger.messages, "evaluation tells other messages");
    Require(evaluated.passed == table.passed, "evaluation gives another verdict");
    if (result == RunResult::Completed)
        Require((table.labels.at("Label97").colour == colours::blue) == table.passed,
                "the verdict label's colour is not the verdict");
    return 0;
}
