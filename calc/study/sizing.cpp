// The sizing search: candidate boxes in order of concrete area, each tried cover by cover.
#include "calc/study/sizing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "calc/decimal.h"
#include "calc/study/numeric_inputs.h"

namespace {

struct Candidate {
    Thicknesses t;
    long long areaKey;  // concrete area in 0.1 mm², free of rounding noise in the order
};

std::vector<Candidate> CandidatesByArea(double Bu, double Hu, const ThicknessBounds& bounds) {
    std::vector<Candidate> candidates;
    const int step = std::max(bounds.step, 1);
    for (int tu = bounds.thinnest; tu <= bounds.thickest; tu += step)
        for (int tl = bounds.thinnest; tl <= bounds.thickest; tl += step)
            for (int tb = bounds.thinnest; tb <= bounds.thickest; tb += step) {
                const Thicknesses t{tu, tl, tb};
                candidates.push_back({t, std::llround(ConcreteArea(Bu, Hu, t) * 1e7)});
            }
    const auto key = [](const Candidate& c) {
        return std::tuple(c.areaKey, c.t.Tu + c.t.TL + c.t.Tb, c.t.Tu, c.t.TL);
    };
    std::sort(candidates.begin(), candidates.end(),
              [&](const Candidate& a, const Candidate& b) { return key(a) < key(b); });
    return candidates;
}

std::string Metres(int millimetres) {
    return DecimalText(millimetres / 1000.0);
}

}  // namespace

double ConcreteArea(double Bu, double Hu, const Thicknesses& t) {
    // B·H − Bu·Hu = Bu·(Tu + Tb) + 2·TL·(Hu + Tu + Tb).
    const double tu = t.Tu / 1000.0, tl = t.TL / 1000.0, tb = t.Tb / 1000.0;
    return Bu * (tu + tb) + 2 * tl * (Hu + tu + tb);
}

bool DesignPasses(const DesignResult& result) {
    return result.status == RunResult::Completed && result.passed && result.messages.empty() &&
           (!result.stability || result.stability->Passes());
}

DesignConditions WithThicknesses(const DesignConditions& base, double Bu, double Hu,
                                 const Thicknesses& t) {
    DesignConditions conditions = base;
    conditions.Tu = Metres(t.Tu);
    conditions.TL = Metres(t.TL);
    conditions.Tb = Metres(t.Tb);
    conditions.B = DecimalText(Bu + 2 * t.TL / 1000.0);
    conditions.H = DecimalText(Hu + (t.Tu + t.Tb) / 1000.0);
    return conditions;
}

std::optional<SizingResult> SizeBox(const DesignConditions& base,
                                    const std::vector<std::string>& covers,
                                    const StudyControl& control, std::string& error,
                                    const ThicknessBounds& bounds) {
    double Bu = 0, Hu = 0;
    try {
        Bu = ParseDouble(base.B, "B") - 2 * ParseDouble(base.TL, "TL");
        Hu = ParseDouble(base.H, "H") - ParseDouble(base.Tu, "Tu") - ParseDouble(base.Tb, "Tb");
    } catch (const ConversionError& conversion) {
        error = conversion.what();
        return std::nullopt;
    }
    const std::vector<std::string> coverTexts = covers.empty() ? std::vector{base.h1} : covers;
    const std::vector<Candidate> candidates = CandidatesByArea(Bu, Hu, bounds);

    // The first candidate in the order that passes everywhere: once one passes, only those
    // before it are still tried.
    std::atomic<std::size_t> best{candidates.size()};
    std::atomic<std::size_t> hardestCover{0};
    std::atomic<std::size_t> evaluations{0};
    const auto tryCandidate = [&](std::size_t index) {
        const DesignConditions box = WithThicknesses(base, Bu, Hu, candidates[index].t);
        const std::size_t first = hardestCover.load(std::memory_order_relaxed);
        for (std::size_t k = 0; k < coverTexts.size(); ++k) {
            const std::size_t c = (first + k) % coverTexts.size();
            DesignConditions at = box;
            at.h1 = coverTexts[c];
            evaluations.fetch_add(1, std::memory_order_relaxed);
            if (!DesignPasses(EvaluateDesign(at))) {
                hardestCover.store(c, std::memory_order_relaxed);
                return true;
            }
        }
        std::size_t current = best.load();
        while (index < current && !best.compare_exchange_weak(current, index)) {
        }
        return false;
    };
    if (!ParallelFor(candidates.size(), tryCandidate, control)) return std::nullopt;

    SizingResult result;
    result.evaluations = evaluations;
    if (best == candidates.size()) return result;
    result.found = true;
    result.thicknesses = candidates[best].t;
    result.sized = WithThicknesses(base, Bu, Hu, result.thicknesses);
    double worst = -1;
    for (const std::string& cover : coverTexts) {
        DesignConditions at = result.sized;
        at.h1 = cover;
        DesignResult evaluated = EvaluateDesign(at);
        if (evaluated.maxUtilisation > worst) {
            worst = evaluated.maxUtilisation;
            result.governingCover = cover;
            result.governing = std::move(evaluated);
        }
    }
    return result;
}
