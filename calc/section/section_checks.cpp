// The allowable values of a section's checks and its stresses over them.
#include "calc/section/section_checks.h"

#include <limits>

#include "calc/record.h"
#include "calc/section/section_design.h"

namespace {

constexpr double kCannotBeFormed = std::numeric_limits<double>::infinity();

}  // namespace

CriterionValues AllowableValues(const TData& record, bool lowerHaunch, const DesignedSection& s) {
    CriterionValues limits;
    if (s.verdict == "-") return limits;
    const bool cornerLimit = !lowerHaunch && s.judgementType == 2;
    limits[0] = cornerLimit ? record.sigmaCa * 3 / 4 : record.sigmaCa;
    limits[1] = record.sigmaSa;
    if (s.middle) return limits;
    limits[2] = 2 * record.tauA;
    limits[3] = record.tauA;
    return limits;
}

CriterionValues Utilisations(const TData& record, bool lowerHaunch, const DesignedSection& s) {
    const CriterionValues limits = AllowableValues(record, lowerHaunch, s);
    // Without its required steel or its stresses the section cannot be judged on them.
    const bool formed = s.stress && s.required;
    const std::optional<double> stresses[kCriterionCount] = {
        formed ? std::optional<double>(s.stress->sigmaC) : std::nullopt,
        formed ? std::optional<double>(s.stress->sigmaS) : std::nullopt, s.tau, s.tau2d};
    CriterionValues u;
    for (int c = 0; c < kCriterionCount; ++c)
        if (limits[c]) u[c] = stresses[c] ? *stresses[c] / *limits[c] : kCannotBeFormed;
    return u;
}
