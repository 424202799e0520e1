// One design through the computations of the run, into numbers only.
#include <cmath>
#include <utility>

#include "calc/cells/cell_geometry.h"
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

// The values of a designed section under its steel, diameter and pitch.
SectionResult ValuesOf(const DesignedSection& s, Single As, int diameter, int pitch) {
    SectionResult r;
    r.M = s.M, r.N = s.N, r.S = s.S, r.S2d = s.S2d;
    r.Asn = s.required;
    r.As = As;
    r.diameter = diameter;
    r.pitch = pitch;
    if (s.stress) r.sigmaC = s.stress->sigmaC;
    if (s.ShowsSigmaS()) r.sigmaS = s.stress->sigmaS;
    r.tau = s.tau;
    r.tau2d = s.tau2d;
    r.verdict = s.verdict;
    r.utilisation = s.utilisation;
    return r;
}

SectionResult ResultOf(const RunWork& work, int k) {
    const DesignedSection& s = work.sections[k];
    SectionResult r = ValuesOf(s, work.sectionSteel[k], DiameterOfSection(work.barSchedule, k),
                               work.barSchedule[1]);
    r.loadCase = s.loadCase == 0 ? CaseKind::Documented : work.extra.cases[s.loadCase - 1].kind;
    return r;
}

std::optional<double> Largest(const CriterionValues& values) {
    std::optional<double> largest;
    for (const std::optional<double>& u : values)
        if (u && (!largest || *u > *largest)) largest = u;
    return largest;
}

std::optional<WheelPlace> PlaceOf(const CellSubCase& at) {
    if (at.wheels.front == 0) return std::nullopt;
    return WheelPlace{at.wheels.rear, at.wheels.front};
}

// The sections of a box of cells, and the worst of each kind in the rows of one cell.
void CellResults(const CellDesign& design, DesignResult& result) {
    std::array<std::optional<double>, kDesignSectionCount> worst;
    for (std::size_t k = 0; k < design.sections.size(); ++k) {
        const DesignedSection& s = design.sections[k];
        const CellSectionLayout& layout = design.layouts[k];
        CellSectionResult cell;
        cell.name = layout.name;
        cell.values =
            ValuesOf(s, design.steel[k], design.bars[std::size_t(layout.bar)], design.bars[1]);
        cell.values.loadCase = design.cases[std::size_t(s.loadCase)].kind;
        cell.moment = PlaceOf(design.governing[k].moment);
        cell.shear = PlaceOf(design.governing[k].shear);
        const std::optional<double> u = Largest(s.utilisation);
        const std::size_t row = std::size_t(layout.row);
        if (!worst[row] || (u && *u > *worst[row])) {
            worst[row] = u.value_or(0);
            result.sections[row] = cell.values;
        }
        result.cellSections.push_back(std::move(cell));
    }
    result.concrete = design.concrete;
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
    const bool multiCell = MultiCell(work.record);
    if (multiCell) {
        CellResults(work.cells, result);
    } else {
        result.concrete = work.quantities.concrete;
        if (work.quantities.steel) result.steel = work.quantities.steel->total;
    }
    for (int k = 0; k < kDesignSectionCount; ++k) {
        if (!multiCell) result.sections[k] = ResultOf(work, k);
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
