// The designs of a sweep as its table and summary show them: one compact row a design, so
// that a million designs are held in well under 500 MB, with the texts of the varied
// inputs and the runs' messages kept once for the whole table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/study/design_result.h"
#include "calc/study/parallel.h"
#include "calc/study/sweep.h"

// One design of a study.
struct StudyRow {
    struct Section {
        std::array<float, kCriterionCount> stresses;  // σc, σs, τ, τ2d (N/mm²)
        std::uint16_t pitch;                          // mm; 9999 when the bar search failed
        std::uint8_t diameter;                        // mm; 0 when no bar was found
        std::uint8_t shown;  // bit c: the stress of Criterion c is shown (not "-")

        std::optional<float> Stress(Criterion c) const {
            const int k = static_cast<int>(c);
            return shown >> k & 1 ? std::optional(stresses[k]) : std::nullopt;
        }
    };
    std::array<Section, kDesignSectionCount> sections;
    double maxUtilisation;
    double concrete;         // m³ per metre of culvert
    double steel;            // kg per metre of culvert, when hasSteel
    std::uint32_t messages;  // the runs' messages in the table's list; 0 for none
    RunResult status;
    Criterion governingCriterion;
    std::int8_t loadCase;          // 1..5; 0 before the conditions were read
    std::int8_t governingSection;  // −1 when none
    bool passed;                   // the design's verdict (DesignPasses)
    bool hasSteel;                 // false when the bar search found no bars
    // Where the design has water or a ground check: the uplift factor Fs (NaN without uplift)
    // and the largest ground pressure in kN/m² (NaN without the check); the load case of the
    // governing section.
    float Fs, largestPressure;
    CaseKind governingCase;
};

class StudyTable {
  public:
    // Every combination of the ranges' values, the first range varying slowest; each row
    // empty until kept.
    explicit StudyTable(std::vector<SweepRange> ranges);

    const std::vector<SweepRange>& Ranges() const { return ranges_; }
    std::size_t size() const { return rows_.size(); }
    const StudyRow& operator[](std::size_t i) const { return rows_[i]; }
    // The texts of design i's varied inputs, as entered into its conditions.
    std::vector<std::string> Values(std::size_t i) const;
    // The messages design i's run showed, in order.
    std::vector<std::string> Messages(std::size_t i) const;

    // Keeps what the table shows of design i's result. Safe from many threads at once for
    // different designs.
    void Keep(std::size_t i, const DesignResult& result);

    // Bytes a table of these ranges takes, apart from the texts of messages.
    static std::size_t Footprint(const std::vector<SweepRange>& ranges);

  private:
    std::vector<SweepRange> ranges_;
    std::vector<std::vector<std::string>> texts_;  // each range's values as entered
    std::vector<StudyRow> rows_;
    std::mutex messagesLock_;
    // Each distinct list of messages once, joined with NUL; a row holds its number + 1.
    std::unordered_map<std::string, std::uint32_t> messageNumbers_;
    std::vector<const std::string*> messageLists_;
};

// Evaluates every design of the table on every core; `each`, when given, also sees every
// full result (on the worker threads). False when cancelled; the table is then incomplete.
bool EvaluateRows(const DesignConditions& base, StudyTable& table, const StudyControl& control,
                  const std::function<void(std::size_t, const DesignResult&)>& each = {});
