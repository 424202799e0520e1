// Utilisations of a design section.
#include "calc/section/section_utilisation.h"

#include <limits>

#include "calc/section/section_design.h"

namespace {

constexpr double kCannotBeFormed = std::numeric_limits<double>::infinity();

}  // namespace

Utilisations UtilisationsOf(const TData& record, bool lowerHaunch, const DesignedSection& s) {
    Utilisations u;
    const auto at = [&u](Criterion criterion) -> std::optional<double>& {
        return u[static_cast<int>(criterion)];
    };
    if (s.verdict == "-") return u;
    if (s.stress && s.required) {
        const bool cornerLimit = !lowerHaunch && s.judgementType == 2;
        at(Criterion::SigmaC) =
            s.stress->sigmaC / (cornerLimit ? record.sigmaCa * 3 / 4 : record.sigmaCa);
        at(Criterion::SigmaS) = s.stress->sigmaS / record.sigmaSa;
    } else {
        // Without its required steel or its stresses the section cannot be judged on them.
        at(Criterion::SigmaC) = at(Criterion::SigmaS) = kCannotBeFormed;
    }
    if (s.middle) return u;
    at(Criterion::Tau) = s.tau ? *s.tau / (2 * record.tauA) : kCannotBeFormed;
    at(Criterion::Tau2d) = s.tau2d ? *s.tau2d / record.tauA : kCannotBeFormed;
    return u;
}

std::optional<double> LargestUtilisation(const Utilisations& utilisations) {
    std::optional<double> largest;
    for (const std::optional<double>& u : utilisations)
        if (u && (!largest || *u > *largest)) largest = u;
    return largest;
}
