// Chapter IV: section stress check with bar selection.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"
#include "calc/section/section_stress.h"
#include "calc/work_arrays.h"

// The stress-distribution type from the span moments of the left wall, the top slab and the
// bottom slab: 1, 2 or 3 for the usual distributions, 0 for any other.
int StressTypeOf(Single wallMoment, Single topMoment, Single bottomMoment);

// One design section as computed: what the section grid shows from column 5 on comes from it.
struct DesignedSection {
    MemberCode code = MemberCode::L;  // the member, which gives h and d'
    Single M = 0, N = 0, S = 0, S2d = 0;  // S and S2d are 0 at mid-span
    bool middle = false;                  // a mid-span section: no shear, judged only when M > 0
    int judgementType = 1;                // 2 at the bottom corners A and D
    std::optional<Single> required;       // Asn; none when it cannot be formed
    std::optional<ActualStress> stress;   // none when it cannot be formed
    std::optional<Single> tau, tau2d;     // end sections only; none without an effective depth
    // "OK" or "NO" from the allowable stresses, "NO" where a stress cannot be formed, "-" for
    // a mid-span section without a positive moment.
    std::string verdict = "-";
    StressExcesses exceeded{};  // the stresses over their limits, as judged

    // Whether the grid shows sigmaS: at mid-span only a positive one under a positive moment.
    bool ShowsSigmaS() const;
};

using SectionDesign = std::array<DesignedSection, 12>;  // in the row order of the grid

// Required steel, bars, stresses and verdicts of the twelve sections; fills both work arrays.
SectionDesign DesignSections(TKakou& record, const DesignConditions& conditions,
                             BarSchedule& barSchedule, SectionSteel& sectionSteel,
                             Messenger& messenger);

// Columns 5 to 13 of StringGrid3, the formula lists ListBox9 and ListBox10, Label97, and the
// grid's cells over their limits.
void WriteSectionDesign(const SectionDesign& sections, const BarSchedule& barSchedule,
                        const SectionSteel& sectionSteel, CalcTable& table);

// The rows of the section-design grid that read "NO".
int FailingSectionCount(const CalcTable& table);

// Whether every section passes: the verdict Label97 shows.
bool AllSectionsPass(const SectionDesign& sections);
