// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

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

std::optional<ActualStress> ActualStresses(const TData& record, MemberCode code, float As, float N,
                                           float M) {
    if (N == 0) return std::nullopt;
    const SectionDepths s = DepthsOf(record, code);
    const float e = Single(std::fabs(M) * 1000.0 / N);
    const float a2 = Single(-3.0 * (s.h / 2.0 - e));
    const float a1 = Single(6.0 * n * As * (e + s.c) / b);
    const float a0 = Single(-6.0 * n * As * (e + s.c) * (s.h / 2.0 + s.c) / b);
    ActualStress stress;
    stress.x = Single(SolveCubic(a2, a1, a0));
    if (!(stress.x > 0)) return std::nullopt;
    const double x = stress.x;
    const double lever = s.h / 2.0 + s.c - x;  // neutral axis to the tension bars
    stress.sigmaC = Single(N * 1000.0 / (b * x / 2.0 - n * As * lever / x));
    stress.sigmaS = Single(lever / x * n * stress.sigmaC);
    if (!std::isfinite(stress.sigmaC) || !std::isfinite(stress.sigmaS)) return std::nullopt;
    return stress;
}

std::string JudgeSection(const TData& record, bool lowerHaunch, int judgementType, float sigmaC,
                         float sigmaS, float tau, float tau2d) {
    const bool exceeded = sigmaC > record.sigmaCa ||
                          (!lowerHaunch && judgementType == 2 && sigmaC > record.sigmaCa * 3 / 4) ||
                          sigmaS > record.sigmaSa || tau > 2 * record.tauA || tau2d > record.tauA;
    return exceeded ? "NO" : "OK";
}
