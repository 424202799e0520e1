// One design through the computations of the run, into numbers only.
#include <cmath>
#include <utility>

#include "calc/run_work.h"
#include "calc/section/bar_arrangement.h"
#include "calc/study/design_result.h"

namespace {

// Entries far outside any real box (beyond a million of their units). The full run's writers
// convert values to Singles and can overflow where no computation does; such a design goes
// through the writers too, into a scratch table, so that it ends exactly as the run ends.
bool FarOutside(const TData& r, const WaterInputs& w) {
    constexpr double kPlain = 1e6;
    for (const double value :
         {r.gammaS, r.gammaC, r.gammaA, r.Ko, r.q, r.sigmaCk, r.sigmaCa, r.tauA, r.tauOa, r.sigmaSa,
          r.sigmaSaJoint, r.P1, r.axleDistance, r.impactDepth, w.hw.value_or(0), w.gammaW,
          w.gammaSub, w.qa.value_or(0), w.upliftFactor})
        if (!(std::fabs(value) <= kPlain)) return true;
    for (const Single value : {r.h1, r.ha, r.Tu, r.TL, r.Tb, r.Hab, r.Hah, r.H, r.B, r.dTop,
                               r.dWall, r.dBottomUpper, r.dBottomLower})
        if (!(std::fabs(value) <= kPlain)) return true;
    return false;
}

SectionResult ResultOf(const RunWork& work, int k) {
    const DesignedSection& s = work.sections[k];
    SectionResult r;
    r.M = s.M, r.N = s.N, r.S = s.S, r.S2d = s.S2d;
    r.Asn = s.required;
    r.As = work.sectionSteel[k];
    r.diameter = DiameterOfSection(work.barSchedule, k);
    r.pitch = work.barSchedule[1];
    if (s.stress) r.sigmaC = s.stress->sigmaC;
    if (s.ShowsSigmaS()) r.sigmaS = s.stress->sigmaS;
    r.tau = s.tau;
    r.tau2d = s.tau2d;
    r.verdict = s.verdict;
    r.utilisation = s.utilisation;
    r.loadCase = s.loadCase == 0 ? CaseKind::Documented : work.extra.cases[s.loadCase - 1].kind;
    return r;
}

}  // namespace

DesignResult EvaluateDesign(const DesignConditions& conditions) {
    DesignResult result;
    RecordingMessenger messenger;
    RunWork work;
    result.status = ComputeRun(conditions, work, messenger, nullptr);
    if (FarOutside(work.record, work.water)) {
        CalcTable scratch;
        messenger.messages.clear();
        work = RunWork{};
        result.status = ComputeRun(conditions, work, messenger, &scratch);
    }
    result.messages = std::move(messenger.messages);
    result.loadCase = work.loadCase;
    if (result.status != RunResult::Completed) return result;

    result.passed = work.passed;
    result.stability = work.stability;
    result.warnings = std::move(work.warnings);
    result.concrete = work.quantities.concrete;
    if (work.quantities.steel) result.steel = work.quantities.steel->total;
    for (int k = 0; k < kDesignSectionCount; ++k) {
        result.sections[k] = ResultOf(work, k);
        for (int c = 0; c < kCriterionCount; ++c) {
            const std::optional<double>& u = result.sections[k].utilisation[c];
            if (u && (result.governingSection < 0 || *u > result.maxUtilisation)) {
                result.governingSection = k;
                result.governingCriterion = static_cast<Criterion>(c);
                result.maxUtilisation = *u;
            }
        }
    }
    return result;
}
