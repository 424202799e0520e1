// A load case as a reviewer re-runs it in another frame program: the loads of the frame by
// their record names, the joint moments and the forces of the twelve design sections.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "calc/water/load_cases.h"

struct NamedValue {
    std::string_view name;
    Single value = 0;
    bool operator==(const NamedValue&) const = default;
};

struct SectionForce {
    Single M = 0, N = 0, S = 0;  // kN·m, kN; S is 0 at mid-span
    bool operator==(const SectionForce&) const = default;
};

// Phd1 and Phd2 are the horizontal earth pressures in effect, with the uniform load in load
// cases 3 to 5; the water parts follow by name: Pw, Pwh1, Pwh2 for groundwater, Pwi1, Pwi2
// for the water inside.
struct CaseSummary {
    CaseKind kind = CaseKind::Documented;
    std::vector<NamedValue> loads;
    std::array<Single, 8> jointMoments{};  // Mab, Mba, Mbc, Mcb, Mcd, Mdc, Mda, Mad
    std::array<SectionForce, 12> sections{};
    bool operator==(const CaseSummary&) const = default;
};

// The names of the joint moments, in the order of jointMoments.
inline constexpr std::array<std::string_view, 8> kJointMomentNames = {"Mab", "Mba", "Mbc", "Mcb",
                                                                      "Mcd", "Mdc", "Mda", "Mad"};
