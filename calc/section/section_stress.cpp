// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

#include <cmath>

#include "calc/section/cubic.h"

namespace {

constexpr double b = kSectionWidth;
constexpr double n = kModularRatio;

}  // namespace

SectionDepths DepthsOf(const TData& record, MemberCode code) {
    Single h = 0, dPrime = 0;
    switch (code) {
        case MemberCode::L:
        case MemberCode::R:
            h = record.TL, dPrime = record.dWall;
            break;
        case MemberCode::U:
            h = record.Tu, dPrime = record.dTop;
            break;
        case MemberCode::B1:
            h = record.Tb, dPrime = record.dBottomUpper;
            break;
        case MemberCode::B2:
            h = record.Tb, dPrime = record.dBottomLower;
            break;
    }
    SectionDepths depths;
    depths.h = h * 1000.0;
    depths.dPrime = dPrime * 1000.0;
    depths.d = depths.h - depths.dPrime;
    depths.c = depths.h / 2.0 - depths.dPrime;
    return depths;
}

std::optional<Single> RequiredSteel(const TData& record, MemberCode code, Single M, Single N) {
    if (N == 0) return std::nullopt;
    const SectionDepths s = DepthsOf(record, code);
    const double sigmaSa = record.sigmaSa;
    const Single e = std::fabs(M) * 1000.0 / N;
    const Single K = 3.0 * (N * 1000.0) * (e + s.c) / (double(s.d) * s.d * b);
    const Single A = 3.0 * sigmaSa / (2.0 * n) - K;
    const Single linear = -2.0 * K * sigmaSa / n;
    const Single constant = -sigmaSa * sigmaSa * K / (n * n);
    const Single sigmaC = SolveCubic(A, linear, constant);
    const Single ratio = n * sigmaC / (n * sigmaC + sigmaSa);
    const Single Asn = (sigmaC * ratio / 2.0 - N * 1000.0 / (b * s.d)) * b * s.d / sigmaSa;
    if (!std::isfinite(Asn)) return std::nullopt;
    return Asn < 0 ? Single(0) : Asn;
}

namespace {

// The stresses when the neutral axis lies at depth x; none when x is not below the
// compression face or a stress is not finite.
std::optional<ActualStress> StressesAt(const SectionDepths& s, Single As, Single N, Single x) {
    if (!(x > 0)) return std::nullopt;
    const double lever = s.h / 2.0 + s.c - x;  // neutral axis to the tension bars
    ActualStress stress;
    stress.x = x;
    stress.sigmaC = N * 1000.0 / (b * x / 2.0 - n * As * lever / x);
    stress.sigmaS = lever / x * n * stress.sigmaC;
    if (!std::isfinite(stress.sigmaC) || !std::isfinite(stress.sigmaS)) return std::nullopt;
    return stress;
}

bool WithinOnePercent(Single value, Single reference) {
    return std::fabs(double(value) - reference) <= 0.01 * std::fabs(double(reference));
}

bool SameSide(Single value, Single reference, double limit) {
    return (value > limit) == (reference > limit);
}

// Whether the closed-form stresses may stand for the accurate ones: close to them, and on the
// same side of every allowable stress the judgement compares them with.
bool Agree(const TData& record, const ActualStress& closedForm, const ActualStress& accurate) {
    return WithinOnePercent(closedForm.sigmaC, accurate.sigmaC) &&
           WithinOnePercent(closedForm.sigmaS, accurate.sigmaS) &&
           SameSide(closedForm.sigmaC, accurate.sigmaC, record.sigmaCa) &&
           SameSide(closedForm.sigmaC, accurate.sigmaC, record.sigmaCa * 3 / 4) &&
           SameSide(closedForm.sigmaS, accurate.sigmaS, record.sigmaSa);
}

}  // namespace

std::optional<ActualStress> ActualStresses(const TData& record, MemberCode code, Single As,
                                           Single N, Single M) {
    if (N == 0) return std::nullopt;
    const SectionDepths s = DepthsOf(record, code);
    const Single e = std::fabs(M) * 1000.0 / N;
    const Single a2 = -3.0 * (s.h / 2.0 - e);
    const Single a1 = 6.0 * n * As * (e + s.c) / b;
    const Single a0 = -6.0 * n * As * (e + s.c) * (s.h / 2.0 + s.c) / b;
    // With a large eccentricity the closed form loses the neutral axis, and the stresses,
    // which hang on a small difference of two terms in x, lose more. Its stresses stand only
    // where they agree with those of the accurate root of the same cubic.
    const Single closedRoot = SolveCubic(a2, a1, a0);
    const auto accurate = StressesAt(s, As, N, Single(LargestRealRoot(a2, a1, a0, closedRoot)));
    if (!accurate) return std::nullopt;
    const auto closedForm = StressesAt(s, As, N, closedRoot);
    if (closedForm && Agree(record, *closedForm, *accurate)) return closedForm;
    return accurate;
}

std::string JudgeSection(const TData& record, bool lowerHaunch, int judgementType, Single sigmaC,
                         Single sigmaS, Single tau, Single tau2d) {
    const bool exceeded = sigmaC > record.sigmaCa ||
                          (!lowerHaunch && judgementType == 2 && sigmaC > record.sigmaCa * 3 / 4) ||
                          sigmaS > record.sigmaSa || tau > 2 * record.tauA || tau2d > record.tauA;
    return exceeded ? "NO" : "OK";
}
