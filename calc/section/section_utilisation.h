// How far a design section uses its allowable stresses: each stress over its limit, as the
// section's verdict judged it.
#pragma once

#include <array>
#include <optional>

#include "calc/record.h"

struct DesignedSection;

// The four criteria of a section's verdict, in the order of the table's columns.
enum class Criterion { SigmaC, SigmaS, Tau, Tau2d };
inline constexpr int kCriterionCount = 4;

// By Criterion: σc/σca (or σc/(¾·σca) where that limit holds), σs/σsa, τ/(2·τa), τ2d/τa.
// Empty where the criterion is not judged; +∞ where the section is judged "NO" because that
// stress cannot be formed.
using Utilisations = std::array<std::optional<double>, kCriterionCount>;

Utilisations UtilisationsOf(const TData& record, bool lowerHaunch, const DesignedSection& section);

// The largest of them; empty when none is judged.
std::optional<double> LargestUtilisation(const Utilisations& utilisations);
