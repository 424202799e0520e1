// The figure and table of a cover study, as result-model data for the window and the report.
#include "calc/study/cover_study.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

#include "calc/study/numeric_inputs.h"
#include "calc/study/study_names.h"

namespace {

const std::array<const char*, kCriterionCount> kCurveNames = {"σc/σca", "σs/σsa", "τ/2τa",
                                                              "τ2d/τa"};
const std::array<Colour, kCriterionCount> kCurveColours = {colours::blue, colours::red,
                                                           colours::green, colours::maroon};
const char* const kMaximumName = "最大";
const Colour kGuideColour{0x606060};

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();  // breaks a line

Series MakeSeries(const std::string& name, Colour colour, int width, PenStyle style) {
    Series series;
    series.name = name;
    series.title = name;
    series.colour = colour;
    series.markFontColour = colour;
    series.lineWidth = width;
    series.penStyle = style;
    series.markOffset = 2;
    KeepInsertionOrder(series);
    return series;
}

// A curve through the covers where the value exists. Its name stands at the drawn point
// nearest before the given fraction of the range, so that the names of curves that run
// together do not fall on one another.
void AddCurve(Chart& chart, const std::string& name, Colour colour, int width, double at,
              const std::vector<double>& covers, const std::vector<std::optional<double>>& values) {
    Series series = MakeSeries(name, colour, width, PenStyle::Solid);
    series.marksVisible = true;
    const auto drawn = [&](std::size_t i) { return values[i] && std::isfinite(*values[i]); };
    std::size_t named = values.size();
    const auto wanted = static_cast<std::size_t>(at * static_cast<double>(values.size() - 1));
    for (std::size_t i = 0; i < values.size(); ++i)
        if (drawn(i) && (i <= wanted || named == values.size())) named = i;
    for (std::size_t i = 0; i < values.size(); ++i)
        series.Add(covers[i], drawn(i) ? *values[i] : kGap, i == named ? name : " ");
    chart.series.push_back(std::move(series));
}

}  // namespace

std::array<std::optional<double>, kCriterionCount> CriterionMaxima(const DesignResult& result) {
    std::array<std::optional<double>, kCriterionCount> maxima;
    if (result.status != RunResult::Completed) return maxima;
    for (const SectionResult& section : result.sections)
        for (int c = 0; c < kCriterionCount; ++c)
            if (section.utilisation[c] && (!maxima[c] || *section.utilisation[c] > *maxima[c]))
                maxima[c] = section.utilisation[c];
    return maxima;
}

Chart CoverStudyChart(const CoverStudy& study) {
    Chart chart;
    chart.title = "土かぶりと応力度比";
    chart.bottom.title = "土かぶり h1 (m)";
    chart.left.title = "応力度比";
    if (study.covers.empty()) return chart;

    const std::size_t n = study.covers.size();
    std::array<std::vector<std::optional<double>>, kCriterionCount> curves;
    std::vector<std::optional<double>> maximum(n);
    double highest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const auto maxima = CriterionMaxima(study.results[i]);
        for (int c = 0; c < kCriterionCount; ++c) {
            curves[c].push_back(maxima[c]);
            if (maxima[c] && (!maximum[i] || *maxima[c] > *maximum[i])) maximum[i] = maxima[c];
        }
        if (maximum[i] && std::isfinite(*maximum[i])) highest = std::max(highest, *maximum[i]);
    }
    const double xMin = study.covers.front();
    const double xMax = std::max(study.covers.back(), xMin + 0.1);
    const double yMax = std::clamp(highest * 1.1, 1.2, 5.0);
    SetChartRange(chart, xMin, xMax, 0, yMax);

    // Load-case regions: a dotted boundary where the case changes, the case's name above.
    Series bounds = MakeSeries("荷重ケース境界", kGuideColour, 1, PenStyle::Dot);
    Series names = MakeSeries("荷重ケース", kGuideColour, 1, PenStyle::Solid);
    names.marksVisible = true;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        if (i < n && study.results[i].loadCase == study.results[start].loadCase) continue;
        if (study.results[start].loadCase > 0) {
            const double centre = (study.covers[start] + study.covers[i - 1]) / 2;
            names.Add(centre, yMax * 0.93,
                      "ケース" + std::to_string(study.results[start].loadCase));
            names.Add(centre, kGap);
        }
        if (i < n) {
            const double boundary = (study.covers[i - 1] + study.covers[i]) / 2;
            bounds.Add(boundary, 0);
            bounds.Add(boundary, yMax);
            bounds.Add(boundary, kGap);
        }
        start = i;
    }
    chart.series.push_back(std::move(bounds));
    chart.series.push_back(std::move(names));

    Series limit = MakeSeries("1.0", colours::black, 1, PenStyle::Dot);
    limit.Add(xMin, 1.0);
    limit.Add(xMax, 1.0);
    chart.series.push_back(std::move(limit));

    for (int c = 0; c < kCriterionCount; ++c)
        AddCurve(chart, kCurveNames[c], kCurveColours[c], 1, 0.15 + 0.2 * c, study.covers,
                 curves[c]);
    AddCurve(chart, kMaximumName, colours::black, 2, 1.0, study.covers, maximum);

    if (std::isfinite(study.inputCover)) {
        Series marker = MakeSeries("入力", colours::blue, 1, PenStyle::Dot);
        marker.marksVisible = true;
        marker.Add(study.inputCover, 0);
        marker.Add(study.inputCover, yMax * 0.84, "入力 h1=" + DecimalText(study.inputCover));
        chart.series.push_back(std::move(marker));
    }
    return chart;
}

std::string CoverText(double metres) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", metres);
    return text;
}

Grid GoverningCoverGrid(const CoverStudy& study) {
    Grid grid(4, kCriterionCount + 2);
    grid.columnWidths = {60, 70, 70, 60};
    grid.SetRowText(0, "照査,最大応力度比,土かぶり(m),断面");
    for (int c = 0; c <= kCriterionCount; ++c) {
        const bool overall = c == kCriterionCount;
        grid.Cell(0, c + 1) = overall ? kMaximumName : kCurveNames[c];
        std::optional<double> worst;
        std::size_t at = 0;
        for (std::size_t i = 0; i < study.results.size(); ++i) {
            const DesignResult& r = study.results[i];
            std::optional<double> value;
            if (overall) {
                if (r.status == RunResult::Completed && r.governingSection >= 0)
                    value = r.maxUtilisation;
            } else {
                value = CriterionMaxima(r)[c];
            }
            if (value && (!worst || *value > *worst)) {
                worst = value;
                at = i;
            }
        }
        if (!worst) {
            for (int column = 1; column < 4; ++column)
                grid.Cell(column, c + 1) = std::string(1, '-');
            continue;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", *worst);
        grid.Cell(1, c + 1) = std::isinf(*worst) ? "∞" : text;
        grid.Cell(2, c + 1) = CoverText(study.covers[at]);
        // The section where this criterion's largest value occurs at that cover.
        const DesignResult& r = study.results[at];
        int section = overall ? r.governingSection : -1;
        for (int s = 0; !overall && s < kDesignSectionCount; ++s)
            if (section < 0 && r.sections[s].utilisation[c] == worst) section = s;
        grid.Cell(3, c + 1) = section >= 0 ? DesignSectionNames()[section] : "-";
    }
    return grid;
}
