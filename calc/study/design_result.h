// One design evaluated to numbers only: the section forces, bars, stresses and verdicts of
// the section-design table and what governs it, without formatting a single line.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/run.h"
#include "calc/section/section_checks.h"
#include "calc/single.h"
#include "calc/water/load_cases.h"
#include "calc/water/stability.h"

inline constexpr int kDesignSectionCount = 12;

// One row of the section-design table. A value the table shows as "-" is empty here.
struct SectionResult {
    Single M = 0, N = 0, S = 0, S2d = 0;               // kN·m, kN; S and S2d are 0 at mid-span
    std::optional<Single> Asn;                         // required steel, mm² per metre
    Single As = 0;                                     // provided steel, mm² per metre
    int diameter = 0;                                  // mm; 0 when no bar was found
    int pitch = 0;                                     // mm; 9999 when the bar search failed
    std::optional<Single> sigmaC, sigmaS, tau, tau2d;  // N/mm²
    std::string verdict;                               // "OK", "NO" or "-"
    CaseKind loadCase = CaseKind::Documented;          // the case these values belong to
    // Stress over its limit, by Criterion: σc/σca (or σc/(¾·σca) where that limit holds),
    // σs/σsa, τ/(2·τa), τ2d/τa. Empty where the criterion is not judged; +∞ where the
    // section is judged "NO" because that stress cannot be formed.
    CriterionValues utilisation;

    bool operator==(const SectionResult&) const = default;
};

// Where the wheels stood in the sub-case that governs a value of a box of two or three cells:
// the rear band's centre from the left outer wall axis (m) and the side of the front band
// (+1 right, −1 left); none in a load case without wheels.
struct WheelPlace {
    double rear = 0;
    int front = 0;
    bool operator==(const WheelPlace&) const = default;
};

// One design section of a box of two or three cells.
struct CellSectionResult {
    std::string name;  // "頂版2左", …
    SectionResult values;
    std::optional<WheelPlace> moment, shear;  // what governs M and N, and S

    bool operator==(const CellSectionResult&) const = default;
};

struct DesignResult {
    RunResult status = RunResult::Completed;
    int loadCase = 0;  // 1..5 once the conditions were read
    // With two or three cells, each row holds the worst of the box's sections of its kind
    // (by largest utilisation), so that studies read a box of cells as they read one cell.
    std::array<SectionResult, kDesignSectionCount> sections;
    // The design sections of a box of two or three cells; empty with one cell.
    std::vector<CellSectionResult> cellSections;
    bool passed = false;        // the design's verdict (DesignPasses)
    int governingSection = -1;  // row − 1 of the largest utilisation; −1 when none
    Criterion governingCriterion = Criterion::SigmaC;
    double maxUtilisation = 0;
    // Per metre of culvert: the concrete (m³) and the main bars (kg); no steel when the bar
    // search found no bars.
    double concrete = 0;
    std::optional<double> steel;
    // Every message the run would have shown, in order (check failures, conversion errors,
    // the solver's, the stress type's and the bar search's).
    std::vector<std::string> messages;
    // Uplift and ground pressure, where the design has water or a ground check.
    std::optional<Stability> stability;
    // Where the box lies outside the usual range; no verdict.
    std::vector<std::string> warnings;

    bool operator==(const DesignResult&) const = default;
};

// Runs the computations of a calculation without writing any sheet line or chart. Agrees
// exactly with what RunCalculation shows in the section-design grid and its verdict label.
// Safe to call from many threads at once.
DesignResult EvaluateDesign(const DesignConditions& conditions);
