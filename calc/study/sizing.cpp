// The sizing search: candidate boxes in order of concrete area, each tried cover by cover.
#include "calc/study/sizing.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>
#include <tuple>

#include "calc/decimal.h"
#include "calc/study/cover_order.h"
#include "calc/study/numeric_inputs.h"

namespace {

struct Candidate {
    Thicknesses t;
    long long areaKey;  // concrete area in 0.1 mm², free of rounding noise in the order
};

Candidate CandidateOf(const Opening& opening, const Thicknesses& t) {
    return {t, std::llround(ConcreteArea(opening, t) * 1e7)};
}

// The order of the search. With one cell Tm is 0 and Tb follows from the rest.
auto Key(const Candidate& c) {
    return std::tuple(c.areaKey, c.t.Tu + c.t.TL + c.t.Tb + c.t.Tm, c.t.Tu, c.t.TL, c.t.Tb);
}

// The members that take thicknesses: the middle walls only with cells.
std::vector<int Thicknesses::*> Members(const Opening& opening) {
    std::vector<int Thicknesses::*> members{&Thicknesses::Tu, &Thicknesses::TL, &Thicknesses::Tb};
    if (opening.cells > 1) members.push_back(&Thicknesses::Tm);
    return members;
}

// Every box within the bounds in the order of the search, up to and with `last` where given.
std::vector<Candidate> CandidatesByArea(const Opening& opening, const ThicknessBounds& bounds,
                                        const std::optional<Thicknesses>& last) {
    std::vector<Candidate> candidates;
    const int step = std::max(bounds.step, 1);
    const bool cells = opening.cells > 1;
    const Candidate limit = CandidateOf(opening, last.value_or(Thicknesses{}));
    for (int tu = bounds.thinnest; tu <= bounds.thickest; tu += step)
        for (int tl = bounds.thinnest; tl <= bounds.thickest; tl += step)
            for (int tb = bounds.thinnest; tb <= bounds.thickest; tb += step)
                for (int tm = cells ? bounds.thinnest : 0; tm <= (cells ? bounds.thickest : 0);
                     tm += step) {
                    const Candidate candidate = CandidateOf(opening, {tu, tl, tb, tm});
                    if (!last || Key(candidate) <= Key(limit)) candidates.push_back(candidate);
                }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return Key(a) < Key(b); });
    return candidates;
}

std::string Metres(int millimetres) {
    return DecimalText(millimetres / 1000.0);
}

// A box that passes, which bounds how far the search may have to go; none when the thickest
// box of one thickness for every member fails. The box: the thinnest of one thickness for all
// members found by halving the thicknesses (a guess that thicker passes; where it does not,
// the bound is only less tight), then made thinner a member at a time while it passes.
std::optional<Thicknesses> PassingBox(const Opening& opening, const ThicknessBounds& bounds,
                                      const std::function<bool(const Thicknesses&)>& passes) {
    const int step = std::max(bounds.step, 1);
    const std::vector<int Thicknesses::*> members = Members(opening);
    const auto uniform = [&](int steps) {
        Thicknesses t;
        for (int Thicknesses::*member : members) t.*member = bounds.thinnest + steps * step;
        return t;
    };
    int thin = 0, thick = (bounds.thickest - bounds.thinnest) / step;
    if (bounds.thinnest > bounds.thickest || !passes(uniform(thick))) return std::nullopt;
    while (thin < thick) {
        const int middle = (thin + thick) / 2;
        if (passes(uniform(middle)))
            thick = middle;
        else
            thin = middle + 1;
    }
    // Thinner by a step, member by member, while the box still passes: a nearer bound. With
    // cells, where a box costs more and has a member more, a member that passes a step thinner
    // is made as thin as it passes by halving the rest of its way to the thinnest.
    Thicknesses found = uniform(thick);
    for (bool thinner = true; thinner;) {
        thinner = false;
        for (int Thicknesses::*member : members) {
            Thicknesses box = found;
            box.*member -= step;
            if (box.*member < bounds.thinnest || !passes(box)) continue;
            thinner = true;
            for (int lowest = bounds.thinnest; opening.cells > 1 && lowest < box.*member;) {
                Thicknesses halfway = box;
                halfway.*member = lowest + (box.*member - lowest) / step / 2 * step;
                if (passes(halfway))
                    box = halfway;
                else
                    lowest = halfway.*member + step;
            }
            found = box;
        }
    }
    return found;
}

}  // namespace

Opening OpeningOf(const DesignConditions& base) {
    Opening opening;
    opening.cells = base.cells == 2 || base.cells == 3 ? base.cells : 1;
    const double B = ParseDouble(base.B, "B"), TL = ParseDouble(base.TL, "TL");
    const double Tm = opening.cells > 1 ? ParseDouble(base.Tm, "Tm") : 0.0;
    opening.Bu =
        opening.cells > 1 ? (B - 2 * TL - (opening.cells - 1) * Tm) / opening.cells : B - 2 * TL;
    opening.Hu = ParseDouble(base.H, "H") - ParseDouble(base.Tu, "Tu") - ParseDouble(base.Tb, "Tb");
    return opening;
}

double ConcreteArea(const Opening& opening, const Thicknesses& t) {
    // B·H − n·Bu·Hu = n·Bu·(Tu + Tb) + (2·TL + (n − 1)·Tm)·(Hu + Tu + Tb).
    const double tu = t.Tu / 1000.0, tl = t.TL / 1000.0, tb = t.Tb / 1000.0, tm = t.Tm / 1000.0;
    const int n = opening.cells;
    return n * opening.Bu * (tu + tb) + (2 * tl + (n - 1) * tm) * (opening.Hu + tu + tb);
}

std::size_t SizingFootprint(std::size_t covers) {
    // Each cover's text (in a block of its own where too long to be held in the string), its
    // utilisation in the last round, its place in the order of covers and that order as each
    // thread holds it while it tries a box.
    const std::size_t threads = std::max(std::thread::hardware_concurrency(), 1u);
    return covers * (sizeof(std::string) + 32 + sizeof(double) + CoverOrder::kBytesPerCover +
                     threads * sizeof(std::uint32_t));
}

DesignConditions WithThicknesses(const DesignConditions& base, const Opening& opening,
                                 const Thicknesses& t) {
    DesignConditions conditions = base;
    const int n = opening.cells;
    conditions.Tu = Metres(t.Tu);
    conditions.TL = Metres(t.TL);
    conditions.Tb = Metres(t.Tb);
    if (n > 1) conditions.Tm = Metres(t.Tm);
    conditions.B = DecimalText(n * opening.Bu + 2 * t.TL / 1000.0 + (n - 1) * t.Tm / 1000.0);
    conditions.H = DecimalText(opening.Hu + (t.Tu + t.Tb) / 1000.0);
    return conditions;
}

std::optional<SizingResult> SizeBox(const DesignConditions& base,
                                    const std::vector<std::string>& covers,
                                    const StudyControl& control, std::string& error,
                                    const ThicknessBounds& bounds) {
    Opening opening;
    try {
        opening = OpeningOf(base);
    } catch (const ConversionError& conversion) {
        error = conversion.what();
        return std::nullopt;
    }
    const std::vector<std::string> ownCover{base.h1};
    const std::vector<std::string>& coverTexts = covers.empty() ? ownCover : covers;

    CoverOrder coverOrder(coverTexts.size());
    std::atomic<std::size_t> evaluations{0};
    // Whether the box passes at every cover, trying first the covers where failures came
    // cheapest; false too once cancelled. Spread: the covers on several threads, for boxes
    // that come one at a time.
    StudyControl quiet = control;
    quiet.progress = nullptr;
    const auto passesEverywhere = [&](const Thicknesses& t, bool spread) {
        const DesignConditions box = WithThicknesses(base, opening, t);
        const std::vector<std::uint32_t> order = coverOrder.Order();
        std::atomic<bool> failed{false};
        const auto passesAt = [&](std::size_t k) {
            DesignConditions at = box;
            at.h1 = coverTexts[order[k]];
            evaluations.fetch_add(1, std::memory_order_relaxed);
            const auto start = std::chrono::steady_clock::now();
            const bool passed = EvaluateDesign(at).passed;
            coverOrder.Evaluated(
                order[k], !passed,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            if (!passed) failed = true;
            return passed;
        };
        if (spread) return ParallelFor(order.size(), passesAt, quiet) && !failed;
        for (std::size_t k = 0; k < order.size(); ++k)
            if (control.Cancelled() || !passesAt(k)) return false;
        return true;
    };

    // The first candidate in the order that passes everywhere: once one passes, only those
    // before it are still tried. A box of one thickness that passes bounds the search, so that
    // its progress runs over the candidates that may come into question.
    const std::vector<Candidate> candidates =
        CandidatesByArea(opening, bounds, PassingBox(opening, bounds, [&](const Thicknesses& t) {
                             return passesEverywhere(t, true);
                         }));
    const std::size_t searched = candidates.size();
    std::atomic<std::size_t> best{searched};
    const auto tryCandidate = [&](std::size_t index) {
        if (!passesEverywhere(candidates[index].t, false)) return true;
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
    result.sized = WithThicknesses(base, opening, result.thicknesses);
    // The box at every cover once more, for the cover that governs it; as long as the
    // search, so it may be cancelled too.
    std::vector<double> utilisations(coverTexts.size());
    const auto atCover = [&](std::size_t c) {
        DesignConditions at = result.sized;
        at.h1 = coverTexts[c];
        return at;
    };
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
