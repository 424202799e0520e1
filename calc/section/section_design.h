// Chapter IV: section stress check with bar selection.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/section/section_checks.h"
#include "calc/section/section_stress.h"
#include "calc/work_arrays.h"

// The stress-distribution type from the span moments of the left wall, the top slab and the
// bottom slab: 1, 2 or 3 for the usual distributions, 0 for any other.
int StressTypeOf(Single wallMoment, Single topMoment, Single bottomMoment);

// One design section as computed: what the section grid shows from column 5 on comes from it.
struct DesignedSection {
    MemberCode code = MemberCode::L;      // the member, which gives h and d'
    Single M = 0, N = 0, S = 0, S2d = 0;  // S and S2d are 0 at mid-span
    bool middle = false;                  // a mid-span section: no shear, judged only when M > 0
    int judgementType = 1;                // 2 at the bottom corners A and D
    std::optional<Single> required;       // Asn; none when it cannot be formed
    std::optional<ActualStress> stress;   // none when it cannot be formed
    std::optional<Single> tau, tau2d;     // end sections only; none without an effective depth
    // "OK" or "NO" from the allowable stresses, "NO" where a stress cannot be formed, "-" for
    // a mid-span section without a positive moment.
    std::string verdict = "-";
    StressExcesses exceeded{};    // the stresses over their limits, as judged
    CriterionValues utilisation;  // each stress over its allowable value (Utilisations)
    int loadCase = 0;             // the load case the values belong to; 0 the documented one

    // Whether the grid shows sigmaS: at mid-span only a positive one under a positive moment.
    bool ShowsSigmaS() const;
};

// The actual and shear stresses of a section whose code, forces, kind, judgement type and
// required steel are set, under the steel As, and its verdict. A section whose stresses
// cannot be formed fails.
void CheckSection(const TData& record, bool lowerHaunch, Single As, DesignedSection& s);

using SectionDesign = std::array<DesignedSection, 12>;  // in the row order of the grid

// The member forces of every load case of a design, the documented one first.
using CaseForces = std::span<const TBuzai* const>;

// Required steel, bars, stresses and verdicts of the twelve sections; fills both work arrays.
SectionDesign DesignSections(TKakou& record, const DesignConditions& conditions,
                             BarSchedule& barSchedule, SectionSteel& sectionSteel,
                             Messenger& messenger);
// The same over several load cases. Each section's steel is the largest required over the
// cases, arranged by the same rules; every case is then checked with those bars, and each
// section shows its governing case (a "NO" before an "OK" before a "-", then the largest
// utilisation, then the earlier case) with the largest required steel. `eachCase` (as many
// as the cases) receives every case's own sections. The stress-distribution type is the
// documented case's.
SectionDesign DesignSections(TKakou& record, CaseForces cases, const DesignConditions& conditions,
                             BarSchedule& barSchedule, SectionSteel& sectionSteel,
                             Messenger& messenger, std::span<SectionDesign> eachCase);

// Columns 5 to 13 of StringGrid3, the formula lists ListBox9 and ListBox10, Label97, and the
// grid's cells over their limits.
void WriteSectionDesign(const SectionDesign& sections, const BarSchedule& barSchedule,
                        const SectionSteel& sectionSteel, CalcTable& table);

// The rows of the section-design grid that read "NO".
int FailingSectionCount(const CalcTable& table);

// Whether every section passes: the verdict Label97 shows.
bool AllSectionsPass(std::span<const DesignedSection> sections);
