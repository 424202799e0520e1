// Required steel, actual stresses and the judgement of one design section.
#include "calc/section/section_stress.h"

#include <algorithm>
#include <cmath>

#include "calc/float_errors.h"
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

namespace {

// Beyond this many thicknesses of eccentricity the axial force moves the results by less than
// the rounding of a Single, while the cubic's coefficients head for the range of a Single: the
// section is taken to be in pure bending.
constexpr double kPureBendingEccentricity = 0x1p30;

// Where the force equilibrium's divisor is below this share of its terms, σc from it would
// lose more than ten of a Single's 24 bits to the rounding of x.
constexpr double kForceEquilibriumLimit = 0x1p10;

// e = |M|·1000/N in mm; none in pure bending: no axial force, or one too small to matter.
std::optional<Single> EccentricityOf(const SectionDepths& s, Single M, Single N) {
    if (N == 0) return std::nullopt;
    const double e = std::fabs(M) * 1000.0 / N;
    if (e > kPureBendingEccentricity * s.h) return std::nullopt;
    return e;
}

}  // namespace

std::optional<Single> RequiredSteel(const TData& record, MemberCode code, Single M, Single N) {
    const SectionDepths s = DepthsOf(record, code);
    const double sigmaSa = record.sigmaSa;
    const std::optional<Single> e = EccentricityOf(s, M, N);
    // 3·N·(e + c)/(b·d²), where N·(e + c) is the moment about the tension bars: |M| in pure
    // bending.
    const Single K = (e ? 3.0 * (N * 1000.0) * (*e + s.c) : 3.0 * (std::fabs(M) * 1e6)) /
                     (double(s.d) * s.d * b);
    const Single A = 3.0 * sigmaSa / (2.0 * n) - K;
    const Single linear = -2.0 * K * sigmaSa / n;
    const Single constant = -sigmaSa * sigmaSa * K / (n * n);
    // Where the closed form's Single intermediates overflow it has failed, and the accurate root
    // decides.
    const double closedForm = WithoutFloatErrors([&] { return SolveCubic(A, linear, constant); });
    const Single sigmaC = std::isfinite(closedForm)
                              ? closedForm
                              : std::max(0.0L, LargestRealRoot(A, linear, constant));
    const Single ratio = n * sigmaC / (n * sigmaC + sigmaSa);
    const Single Asn = (sigmaC * ratio / 2.0 - N * 1000.0 / (b * s.d)) * b * s.d / sigmaSa;
    if (!std::isfinite(Asn)) return std::nullopt;
    return Asn < 0 ? Single(0) : Asn;
}

namespace {

// The stresses at the neutral axis x with σc given; none where a stress is not finite.
std::optional<ActualStress> WithSigmaC(const SectionDepths& s, Single x, double sigmaC) {
    const double lever = s.h / 2.0 + s.c - x;  // neutral axis to the tension bars
    ActualStress stress;
    stress.x = x;
    stress.sigmaC = sigmaC;
    stress.sigmaS = lever / x * n * stress.sigmaC;
    if (!std::isfinite(stress.sigmaC) || !std::isfinite(stress.sigmaS)) return std::nullopt;
    return stress;
}

// The stresses at the neutral axis x by the equilibrium of forces, the documented formula;
// none when x is not below the compression face or a stress is not finite.
std::optional<ActualStress> StressesAt(const SectionDepths& s, Single As, Single N, Single x) {
    if (!(x > 0)) return std::nullopt;
    const double lever = s.h / 2.0 + s.c - x;
    return WithSigmaC(s, x, N * 1000.0 / (b * x / 2.0 - n * As * lever / x));
}

// The stresses at the neutral axis x by the equilibrium of moments about the tension bars,
// σc·b·x/2·(d − x/3) = N·(e + c), from that moment in N·mm.
std::optional<ActualStress> MomentStressesAt(const SectionDepths& s, double barMoment, Single x) {
    if (!(x > 0)) return std::nullopt;
    const double depth = s.h / 2.0 + s.c;
    return WithSigmaC(s, x, 2.0 * barMoment / (b * x * (depth - x / 3.0)));
}

// The stresses at an accurate neutral axis x: by the equilibrium of forces where that is well
// conditioned. Its divisor b·x/2 − n·As·(d − x)/x vanishes as N → 0 (σc becomes 0/0 at the
// neutral axis of pure bending); there the equilibrium of moments gives them.
std::optional<ActualStress> AccurateStressesAt(const SectionDepths& s, Single As, Single N,
                                               double barMoment, Single x) {
    if (!(x > 0)) return std::nullopt;
    const double depth = s.h / 2.0 + s.c;
    const double concrete = b * x / 2.0, steel = n * As * (depth - x) / x;
    if (std::fabs(concrete - steel) * kForceEquilibriumLimit >= concrete + n * As * depth / x)
        return StressesAt(s, As, N, x);
    return MomentStressesAt(s, barMoment, x);
}

// Pure bending: the neutral axis of b·x²/2 = n·As·(d − x), in the form without cancellation.
std::optional<ActualStress> PureBendingStresses(const SectionDepths& s, Single As, Single M) {
    if (!(As > 0)) return std::nullopt;
    const double depth = s.h / 2.0 + s.c;
    const Single x = 2.0 * depth / (1.0 + std::sqrt(1.0 + 2.0 * b * depth / (n * As)));
    return MomentStressesAt(s, std::fabs(M) * 1e6, x);
}

struct ClosedForm {
    Single root = 0;  // 0 where the closed form failed
    std::optional<ActualStress> stress;
};

// The closed form's neutral axis and its stresses.
ClosedForm ClosedFormOf(const SectionDepths& s, Single As, Single N, Single a2, Single a1,
                        Single a0) {
    const Single root = SolveCubic(a2, a1, a0);
    if (!std::isfinite(root)) return {};
    return {root, StressesAt(s, As, N, root)};
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
    const SectionDepths s = DepthsOf(record, code);
    const std::optional<Single> e = EccentricityOf(s, M, N);
    if (!e) return PureBendingStresses(s, As, M);
    const Single a2 = -3.0 * (s.h / 2.0 - *e);
    const Single a1 = 6.0 * n * As * (*e + s.c) / b;
    const Single a0 = -6.0 * n * As * (*e + s.c) * (s.h / 2.0 + s.c) / b;
    // With a large eccentricity the closed form loses the neutral axis, and the stresses,
    // which hang on a small difference of two terms in x, lose more; with a larger one its
    // Single intermediates overflow, and it fails. Its stresses stand only where they agree
    // with those of the accurate root of the same cubic.
    const ClosedForm closed =
        WithoutFloatErrors([&] { return ClosedFormOf(s, As, N, a2, a1, a0); });
    const auto accurate = AccurateStressesAt(s, As, N, N * 1000.0 * (*e + s.c),
                                             Single(LargestRealRoot(a2, a1, a0, closed.root)));
    if (!accurate) return std::nullopt;
    if (closed.stress && Agree(record, *closed.stress, *accurate)) return closed.stress;
    return accurate;
}

StressExcesses ExceededLimits(const TData& record, bool lowerHaunch, int judgementType,
                              Single sigmaC, Single sigmaS, Single tau, Single tau2d) {
    return {sigmaC > record.sigmaCa ||
                (!lowerHaunch && judgementType == 2 && sigmaC > record.sigmaCa * 3 / 4),
            sigmaS > record.sigmaSa, tau > 2 * record.tauA, tau2d > record.tauA};
}

std::string VerdictOf(const StressExcesses& exceeded) {
    return std::find(exceeded.begin(), exceeded.end(), true) != exceeded.end() ? "NO" : "OK";
}
