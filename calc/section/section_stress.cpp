// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

#include <algorithm>
#include <cmath>

#include "calc/section/cubic.h"

namespace {

constexpr double b = kSectionWidth;
constexpr double n = kModularRatio;

float Single(double value) {
    return static_cast<float>(value);
}

}  // namespace

SectionDepths DepthsOf(const TData& record, MemberCode code) {
    float h = 0, dPrime = 0;
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
    depths.h = Single(h * 1000.0);
    depths.dPrime = Single(dPrime * 1000.0);
    depths.d = depths.h - depths.dPrime;
    depths.c = Single(depths.h / 2.0 - depths.dPrime);
    return depths;
}

std::optional<float> RequiredSteel(const TData& record, MemberCode code, float M, float N) {
    if (N == 0) return std::nullopt;
    const SectionDepths s = DepthsOf(record, code);
    const double sigmaSa = record.sigmaSa;
    const float e = Single(std::fabs(M) * 1000.0 / N);
    const float K = Single(3.0 * (N * 1000.0) * (e + s.c) / (double(s.d) * s.d * b));
    const float A = Single(3.0 * sigmaSa / (2.0 * n) - K);
    const float linear = Single(-2.0 * K * sigmaSa / n);
    const float constant = Single(-sigmaSa * sigmaSa * K / (n * n));
    const float sigmaC = Single(SolveCubic(A, linear, constant));
    const float ratio = Single(n * sigmaC / (n * sigmaC + sigmaSa));
    const float Asn = Single((sigmaC * ratio / 2.0 - N * 1000.0 / (b * s.d)) * b * s.d / sigmaSa);
    if (!std::isfinite(Asn)) return std::nullopt;
    return Asn < 0 ? 0.0f : Asn;
}

namespace {

// The stresses when the neutral axis lies at depth x; none when x is not below the
// compression face or a stress is not finite.
std::optional<ActualStress> StressesAt(const SectionDepths& s, float As, float N, float x) {
    if (!(x > 0)) return std::nullopt;
    const double lever = s.h / 2.0 + s.c - x;  // neutral axis to the tension bars
    ActualStress stress;
    stress.x = x;
    stress.sigmaC = Single(N * 1000.0 / (b * x / 2.0 - n * As * lever / x));
    stress.sigmaS = Single(lever / x * n * stress.sigmaC);
    if (!std::isfinite(stress.sigmaC) || !std::isfinite(stress.sigmaS)) return std::nullopt;
    return stress;
}

bool WithinOnePercent(float value, float reference) {
    return std::fabs(double(value) - reference) <= 0.01 * std::fabs(double(reference));
}

bool SameSide(float value, float reference, double limit) {
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

std::optional<ActualStress> ActualStresses(const TData& record, MemberCode code, float As, float N,
                                           float M) {
    if (N == 0) return std::nullopt;
    const SectionDepths s = DepthsOf(record, code);
    const float e = Single(std::fabs(M) * 1000.0 / N);
    const float a2 = Single(-3.0 * (s.h / 2.0 - e));
    const float a1 = Single(6.0 * n * As * (e + s.c) / b);
    const float a0 = Single(-6.0 * n * As * (e + s.c) * (s.h / 2.0 + s.c) / b);
    // With a large eccentricity the closed form loses the neutral axis, and the stresses,
    // which hang on a small difference of two terms in x, lose more. Its stresses stand only
    // where they agree with those of the accurate root of the same cubic.
    const float closedRoot = Single(SolveCubic(a2, a1, a0));
    const auto accurate =
        StressesAt(s, As, N, static_cast<float>(LargestRealRoot(a2, a1, a0, closedRoot)));
    if (!accurate) return std::nullopt;
    const auto closedForm = StressesAt(s, As, N, closedRoot);
    if (closedForm && Agree(record, *closedForm, *accurate)) return closedForm;
    return accurate;
}

StressExcesses ExceededLimits(const TData& record, bool lowerHaunch, int judgementType,
                              float sigmaC, float sigmaS, float tau, float tau2d) {
    return {sigmaC > record.sigmaCa ||
                (!lowerHaunch && judgementType == 2 && sigmaC > record.sigmaCa * 3 / 4),
            sigmaS > record.sigmaSa, tau > 2 * record.tauA, tau2d > record.tauA};
}

std::string VerdictOf(const StressExcesses& exceeded) {
    return std::find(exceeded.begin(), exceeded.end(), true) != exceeded.end() ? "NO" : "OK";
}
