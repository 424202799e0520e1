// A study along the culvert: the design evaluated at each cover of a range, drawn as the
// utilisations against the cover, and the cover that governs each criterion.
#pragma once

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "calc/study/design_result.h"

struct CoverStudy {
    std::vector<double> covers;         // m, increasing
    std::vector<DesignResult> results;  // one a cover
    double inputCover = std::nan("");   // the input page's own cover, marked in the figure
};

// The largest utilisation of each criterion over the sections of a design; empty where no
// section judges it or the design did not run to the end.
std::array<std::optional<double>, kCriterionCount> CriterionMaxima(const DesignResult& result);

// The four utilisations and their maximum against the cover, the limit 1.0, the load-case
// regions with their boundaries and names, and a marker at the input cover.
Chart CoverStudyChart(const CoverStudy& study);

// A cover as a study shows it: to 0.01 m.
std::string CoverText(double metres);

// For each criterion and for the maximum: the largest utilisation, the cover where it occurs
// (the shallowest where several tie) and its section. A title row and a title column.
Grid GoverningCoverGrid(const CoverStudy& study);
