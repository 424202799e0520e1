// What each design section is checked against: its stresses over their allowable values and
// the allowable values themselves, as numbers.
#pragma once

#include <array>
#include <optional>

#include "calc/single.h"

class TData;
struct DesignedSection;

// The four criteria of a section's verdict, in the order of the section grid's columns.
enum class Criterion { SigmaC, SigmaS, Tau, Tau2d };
inline constexpr int kCriterionCount = 4;

using CriterionValues = std::array<std::optional<double>, kCriterionCount>;

// The allowable value each stress is compared with, by Criterion: σca (¾·σca at a bottom
// corner without lower haunches), σsa, 2·τa, τa. Empty where the criterion is not judged.
CriterionValues AllowableValues(const TData& record, bool lowerHaunch, const DesignedSection& s);

// Stress over its allowable value, by Criterion. Empty where the criterion is not judged;
// +∞ where the section is judged "NO" because that stress cannot be formed.
CriterionValues Utilisations(const TData& record, bool lowerHaunch, const DesignedSection& s);

// One design section as the summary of the checks gives it.
struct SectionCheck {
    Single h = 0, d = 0;  // thickness and effective depth, mm
    CriterionValues allowable, utilisation;
    bool operator==(const SectionCheck&) const = default;
};
using SectionChecks = std::array<SectionCheck, 12>;  // in the row order of the section grid
