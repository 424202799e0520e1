// Seeded random input pages for property tests: plausible designs over the whole range of
// dimensions, covers, live loads and combinations, so that every load case occurs.
#pragma once

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

#include "calc/design_conditions.h"

namespace random_design {

inline std::string Text(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// Dimensions in cm steps, covers within the slabs.
inline DesignConditions RandomDesign(std::mt19937& random) {
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto pick = [&](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    DesignConditions c;
    c.soilType = pick(3);
    c.gammaS = Text(uniform(15, 21), 1);
    c.gammaC = Text(uniform(23, 25), 1);
    c.gammaA = Text(uniform(22, 23.5), 1);
    c.foundation = pick(3);
    c.liveLoad = pick(4);
    c.combination = pick(3);
    c.lowerHaunch = pick(2) == 1;
    c.Ko = Text(uniform(0.3, 0.7), 2);
    c.q = Text(pick(2) ? 0 : uniform(0, 20), 1);

    const double h1 = pick(4) == 0 ? uniform(0, 1) : uniform(0, 12);
    c.h1 = Text(h1, 2);
    c.ha = Text(std::min(h1, uniform(0, 0.3)), 2);
    const double Tu = uniform(0.2, 0.9), Tb = uniform(0.2, 0.9), TL = uniform(0.2, 0.9);
    const double Hah = uniform(0, 0.4), Hab = uniform(0, 0.4);
    c.Tu = Text(Tu, 2);
    c.Tb = Text(Tb, 2);
    c.TL = Text(TL, 2);
    c.Hah = Text(Hah, 2);
    c.Hab = Text(Hab, 2);
    c.H = Text(Tu + Tb + 2 * Hah + uniform(0.3, 5), 2);
    c.B = Text(2 * (TL + Hab) + uniform(0.3, 7), 2);
    c.dTop = Text(uniform(0.03, Tu / 2), 2);
    c.dWall = Text(uniform(0.03, TL / 2), 2);
    c.dBottomUpper = Text(uniform(0.03, Tb / 2), 2);
    c.dBottomLower = Text(uniform(0.03, Tb / 2), 2);

    c.sigmaCk = Text(uniform(18, 40), 0);
    c.sigmaCa = Text(uniform(7, 14), 1);
    c.tauA = Text(uniform(0.3, 0.6), 2);
    c.tauOa = Text(uniform(1.0, 2.4), 1);
    c.sigmaSa = Text(uniform(140, 200), 0);
    c.sigmaSaJoint = Text(uniform(160, 220), 0);
    c.tWeight = Text(uniform(10, 30), 0);
    c.tAxleDistance = Text(uniform(3, 8), 1);
    c.tImpactDepth = Text(uniform(3, 5), 1);
    c.pitchMode = pick(2);
    static const char* const kPitches[] = {"-", "125", "150", "250"};
    c.pitch = kPitches[pick(4)];
    return c;
}

}  // namespace random_design
