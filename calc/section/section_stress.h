// Stresses of a singly reinforced rectangular section of unit width under M and N: the steel
// it needs and the stresses under the steel it has, in mm, N/mm2 and mm2 per metre.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/record.h"

// Which member a section belongs to; it selects the thickness h and the cover d'.
enum class MemberCode { L, U, R, B1, B2 };

inline constexpr float kSectionWidth = 1000;  // b, mm: the design strip is 1 m long
inline constexpr float kModularRatio = 15;    // n

struct SectionDepths {
    float h = 0;       // thickness
    float dPrime = 0;  // bar centre to concrete surface
    float d = 0;       // effective depth h - d'
    float c = 0;       // mid-depth to the tension bars, h/2 - d'
};

SectionDepths DepthsOf(const TData& record, MemberCode code);

// Steel that brings the bars to sigmaSa (M in kNm, N in kN), not below 0. None when it
// cannot be formed (N = 0, or no finite result).
std::optional<float> RequiredSteel(const TData& record, MemberCode code, float M, float N);

// One flag a stress of a section's verdict: sigmaC, sigmaS, tau, tau2d.
using StressExcesses = std::array<bool, 4>;

struct ActualStress {
    float x = 0;  // depth of the neutral axis the stresses belong to
    float sigmaC = 0;
    float sigmaS = 0;
};

// Concrete and steel stresses under the steel As: those of the closed-form neutral axis where
// they lie within 1 % of those of the accurate one and on the same side of sigmaCa,
// 3/4 sigmaCa and sigmaSa; otherwise those of the accurate one. None when they cannot be
// formed (N = 0, an accurate neutral axis at or above the compression face, or no finite
// result).
std::optional<ActualStress> ActualStresses(const TData& record, MemberCode code, float As, float N,
                                           float M);

// Which stresses exceed their allowable values, in the order sigmaC, sigmaS, tau, tau2d (the
// grid's columns); equality passes. Sections of judgement type 2 (at the bottom corners) allow
// only 3/4 of sigmaCa without lower haunches; tau is compared with 2 tauA, tau2d with tauA.
StressExcesses ExceededLimits(const TData& record, bool lowerHaunch, int judgementType,
                              float sigmaC, float sigmaS, float tau, float tau2d);

// The verdict: "NO" when a stress exceeds its allowable value, else "OK".
std::string VerdictOf(const StressExcesses& exceeded);
