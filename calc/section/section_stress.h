// Stresses of a singly reinforced rectangular section of unit width under M and N: the steel
// it needs and the stresses under the steel it has, in mm, N/mm2 and mm2 per metre.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/record.h"

// Which member a section belongs to; it selects the thickness h and the cover d'.
enum class MemberCode { L, U, R, B1, B2 };

inline constexpr double kSectionWidth = 1000;  // b, mm: the design strip is 1 m long
inline constexpr double kModularRatio = 15;    // n

struct SectionDepths {
    Single h = 0;       // thickness
    Single dPrime = 0;  // bar centre to concrete surface
    Single d = 0;       // effective depth h - d'
    Single c = 0;       // mid-depth to the tension bars, h/2 - d'
};

SectionDepths DepthsOf(const TData& record, MemberCode code);

// Steel that brings the bars to sigmaSa (M in kNm, N in kN), not below 0; with N = 0, or an N
// too small to matter, that of pure bending. None when it has no finite value.
std::optional<Single> RequiredSteel(const TData& record, MemberCode code, Single M, Single N);

// One flag a stress of a section's verdict: sigmaC, sigmaS, tau, tau2d.
using StressExcesses = std::array<bool, 4>;

struct ActualStress {
    Single x = 0;  // depth of the neutral axis the stresses belong to
    Single sigmaC = 0;
    Single sigmaS = 0;
};

// Concrete and steel stresses under the steel As: those of the closed-form neutral axis where
// they lie within 1 % of those of the accurate one and on the same side of sigmaCa,
// 3/4 sigmaCa and sigmaSa; otherwise those of the accurate one. With N = 0, or an N too small
// to matter, those of pure bending. None when they cannot be formed (a neutral axis at or above
// the compression face, no steel in pure bending, or no finite result).
std::optional<ActualStress> ActualStresses(const TData& record, MemberCode code, Single As,
                                           Single N, Single M);

// Which stresses exceed their allowable values, in the order sigmaC, sigmaS, tau, tau2d (the
// grid's columns); equality passes. Sections of judgement type 2 (at the bottom corners) allow
// only 3/4 of sigmaCa without lower haunches; tau is compared with 2 tauA, tau2d with tauA.
StressExcesses ExceededLimits(const TData& record, bool lowerHaunch, int judgementType,
                              Single sigmaC, Single sigmaS, Single tau, Single tau2d);

// The verdict: "NO" when a stress exceeds its allowable value, else "OK".
std::string VerdictOf(const StressExcesses& exceeded);
