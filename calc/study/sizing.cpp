// The sizing search: candidate boxes in order of concrete area, each tried cover by cover.
#include "calc/study/sizing.h"

#include <algorithm>
#include <cmath>
#include <functional>
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

// How many candidates, from the first, the search must try: up to a box that passes, or all of
// them when none is found. The box: the thinnest of one thickness for all three members found
// by halving the thicknesses (a guess that thicker passes; where it does not, the bound is only
// less tight), then made thinner a member at a time while it passes.
std::size_t CandidatesToTry(const std::vector<Candidate>& candidates, const ThicknessBounds& bounds,
                            const std::function<bool(const Thicknesses&)>& passes) {
    const int step = std::max(bounds.step, 1);
    const auto uniform = [&](int steps) {
        const int t = bounds.thinnest + steps * step;
        return Thicknesses{t, t, t};
    };
    int thin = 0, thick = (bounds.thickest - bounds.thinnest) / step;
    if (candidates.empty() || !passes(uniform(thick))) return candidates.size();
    while (thin < thick) {
        const int middle = (thin + thick) / 2;
        if (passes(uniform(middle)))
            thick = middle;
        else
            thin = middle + 1;
    }
    // Thinner by a step, member by member, while the box still passes: a nearer bound.
    Thicknesses found = uniform(thick);
    for (bool thinner = true; thinner;) {
        thinner = false;
        for (int Thicknesses::*member : {&Thicknesses::Tu, &Thicknesses::TL, &Thicknesses::Tb}) {
            Thicknesses box = found;
            box.*member -= step;
            if (box.*member >= bounds.thinnest && passes(box)) {
                found = box;
                thinner = true;
            }
        }
    }
    const auto at = std::find_if(candidates.begin(), candidates.end(),
                                 [&](const Candidate& c) { return c.t == found; });
    return static_cast<std::size_t>(at - candidates.begin()) + 1;
}

}  // namespace

double ConcreteArea(double Bu, double Hu, const Thicknesses& t) {
    // B·H − Bu·Hu = Bu·(Tu + Tb) + 2·TL·(Hu + Tu + Tb).
    const double tu = t.Tu / 1000.0, tl = t.TL / 1000.0, tb = t.Tb / 1000.0;
    return Bu * (tu + tb) + 2 * tl * (Hu + tu + tb);
}

std::size_t SizingFootprint(std::size_t covers) {
    // Each cover's text (in a block of its own where too long to be held in the string) and
    // its utilisation in the last round.
    return covers * (sizeof(std::string) + 32 + sizeof(double));
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
    const std::vector<std::string> ownCover{base.h1};
    const std::vector<std::string>& coverTexts = covers.empty() ? ownCover : covers;
    const std::vector<Candidate> candidates = CandidatesByArea(Bu, Hu, bounds);

    std::atomic<std::size_t> hardestCover{0};
    std::atomic<std::size_t> evaluations{0};
    // Whether the box passes at every cover, trying first the cover that failed last; false
    // too once cancelled.
    const auto passesEverywhere = [&](const Thicknesses& t) {
        const DesignConditions box = WithThicknesses(base, Bu, Hu, t);
        const std::size_t first = hardestCover.load(std::memory_order_relaxed);
        for (std::size_t k = 0; k < coverTexts.size(); ++k) {
            if (control.Cancelled()) return false;
            const std::size_t c = (first + k) % coverTexts.size();
            DesignConditions at = box;
            at.h1 = coverTexts[c];
            evaluations.fetch_add(1, std::memory_order_relaxed);
            if (!EvaluateDesign(at).passed) {
                hardestCover.store(c, std::memory_order_relaxed);
                return false;
            }
        }
        return true;
    };

    // The first candidate in the order that passes everywhere: once one passes, only those
    // before it are still tried. A box of one thickness that passes bounds the search, so that
    // its progress runs over the candidates that may come into question.
    const std::size_t searched = CandidatesToTry(candidates, bounds, passesEverywhere);
    std::atomic<std::size_t> best{searched};
    const auto tryCandidate = [&](std::size_t index) {
        if (!passesEverywhere(candidates[index].t)) return true;
        std::size_t current = best.load();
        while (index < current && !best.compare_exchange_weak(current, index)) {
        }
        return false;
    };
    if (!ParallelFor(searched, tryCandidate, control) || control.Cancelled()) return std::nullopt;

    SizingResult result;
    result.evaluations = evaluations;
    if (best == searched) return result;
    result.found = true;
    result.thicknesses = candidates[best].t;
    result.sized = WithThicknesses(base, Bu, Hu, result.thicknesses);
    // The box at every cover once more, for the cover that governs it; as long as the
    // search, so it may be cancelled too.
    std::vector<double> utilisations(coverTexts.size());
    const auto atCover = [&](std::size_t c) {
        DesignConditions at = result.sized;
        at.h1 = coverTexts[c];
        return at;
    };
    StudyControl quiet = control;
    quiet.progress = nullptr;
    if (!ParallelFor(
            coverTexts.size(),
            [&](std::size_t c) {
                utilisations[c] = EvaluateDesign(atCover(c)).maxUtilisation;
                return true;
            },
            quiet))
        return std::nullopt;
    double worst = -1;
    std::size_t governing = coverTexts.size();
    for (std::size_t c = 0; c < coverTexts.size(); ++c)
        if (utilisations[c] > worst) {
            worst = utilisations[c];
            governing = c;
        }
    if (governing < coverTexts.size()) {
        result.governingCover = coverTexts[governing];
        result.governing = EvaluateDesign(atCover(governing));
    }
    return result;
}
