// The calculation table as JSON.
#include "files/json_report.h"

#include <cmath>
#include <cstdio>

#include "files/frame_json.h"
#include "files/shortest_decimal.h"

namespace {

using json = nlohmann::ordered_json;

std::string ColourText(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour.rgb & 0xFFFFFF));
    return text;
}

const char* KindText(SeriesKind kind) {
    switch (kind) {
        case SeriesKind::Line:
            return "line";
        case SeriesKind::FastLine:
            return "fastLine";
        case SeriesKind::Point:
            return "point";
        case SeriesKind::Arrow:
            return "arrow";
    }
    return "line";
}

json AxisJson(const Axis& axis) {
    return {{"min", axis.minimum}, {"max", axis.maximum}, {"automatic", axis.automatic}};
}

json SeriesJson(const Series& series) {
    json points = json::array();
    for (const auto& p : series.points) {
        json point = {{"x", p.x}, {"y", p.y}, {"label", p.label}, {"colour", ColourText(p.colour)}};
        if (series.kind == SeriesKind::Arrow) {
            point["endX"] = p.endX;
            point["endY"] = p.endY;
        }
        points.push_back(std::move(point));
    }
    return {{"kind", KindText(series.kind)},
            {"colour", ColourText(series.colour)},
            {"points", std::move(points)}};
}

json ChartJson(const Chart& chart) {
    json series = json::object();
    for (const auto& s : chart.series) series[s.name] = SeriesJson(s);
    return {{"title", chart.title},
            {"left", AxisJson(chart.left)},
            {"bottom", AxisJson(chart.bottom)},
            {"series", std::move(series)}};
}

// Concrete m3/m, formwork m2/m, steel kg/m; steel is null when the bars were not found.
json QuantitiesJson(const std::optional<Quantities>& quantities) {
    if (!quantities) return nullptr;
    json steel = nullptr;
    if (quantities->steel) {
        static const char* const marks[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};
        const SteelQuantities& found = *quantities->steel;
        json bars = json::array(), byDiameter = json::array();
        for (std::size_t k = 0; k < kMainBarCount + found.cellBars.size(); ++k) {
            const BarQuantity& bar =
                k < kMainBarCount ? found.bars[k] : found.cellBars[k - kMainBarCount];
            bars.push_back({{"mark", marks[k]},
                            {"diameter", bar.diameter},
                            {"length", double(bar.length)},
                            {"count", bar.count},
                            {"unitMass", bar.unitMass},
                            {"mass", bar.mass}});
        }
        for (const DiameterMass& d : quantities->steel->byDiameter)
            byDiameter.push_back({{"diameter", d.diameter}, {"mass", d.mass}});
        steel = {{"bars", std::move(bars)},
                 {"byDiameter", std::move(byDiameter)},
                 {"total", quantities->steel->total}};
    }
    return {{"concrete", quantities->concrete},
            {"formwork", quantities->formwork},
            {"pitch", quantities->pitch},
            {"steel", std::move(steel)}};
}

// A Single as the shortest decimal that reads back as it, so that 12.3f shows as 12.3.
double Shortest(Single value) {
    return ShortestDecimal(static_cast<float>(value));
}

json Values(const std::vector<NamedValue>& values) {
    json object = json::object();
    for (const NamedValue& v : values) object[std::string(v.name)] = Shortest(v.value);
    return object;
}

json LoadCasesJson(const std::vector<CaseSummary>& cases) {
    json array = json::array();
    for (const CaseSummary& c : cases) {
        json moments = json::object();
        for (std::size_t k = 0; k < c.jointMoments.size(); ++k)
            moments[std::string(kJointMomentNames[k])] = Shortest(c.jointMoments[k]);
        json sections = json::array();
        for (const SectionForce& f : c.sections)
            sections.push_back({{"M", Shortest(f.M)}, {"N", Shortest(f.N)}, {"S", Shortest(f.S)}});
        array.push_back({{"name", CaseName(c.kind)},
                         {"loads", Values(c.loads)},
                         {"joint_moments", std::move(moments)},
                         {"sections", std::move(sections)}});
    }
    return array;
}

const char* VerdictText(bool passes) {
    return passes ? "OK" : "NO";
}

json StabilityJson(const std::optional<Stability>& stability) {
    if (!stability) return nullptr;
    json uplift = nullptr;
    if (const auto& u = stability->uplift)
        uplift = {
            {"W_box", u->Wbox}, {"W_above", u->Wabove},    {"U", u->U},
            {"Fs", u->Fs},      {"required", u->required}, {"verdict", VerdictText(u->passes)}};
    const BearingCheck& b = stability->bearing;
    json cases = json::array();
    for (int k = 0; k < b.count; ++k)
        cases.push_back(
            {{"name", CaseName(b.cases[k].kind)}, {"q1", b.cases[k].q1}, {"q2", b.cases[k].q2}});
    json qa = nullptr;
    if (b.qa) qa = *b.qa;
    // Not judged on piles, nor without an allowable pressure.
    json verdict = nullptr;
    if (b.applies && b.qa) verdict = VerdictText(b.passes);
    return {{"uplift", std::move(uplift)},
            {"bearing",
             {{"applies", b.applies},
              {"cases", std::move(cases)},
              {"largest", b.largest},
              {"qa", std::move(qa)},
              {"verdict", std::move(verdict)}}}};
}

// Each design section's stresses over their allowable values, as the summary of the checks
// shows them: a criterion not judged is null; a stress that cannot be formed has a null ratio.
json UtilisationJson(const CalcTable& table) {
    if (!table.checks) return nullptr;
    static const char* const criteria[kCriterionCount] = {"sigmaC", "sigmaS", "tau", "tau2d"};
    const Grid& grid = table.GridOf("StringGrid5");
    json sections = json::array();
    for (std::size_t k = 0; k < table.checks->size(); ++k) {
        const SectionCheck& check = (*table.checks)[k];
        const int row = static_cast<int>(k) + 1;
        json section = {
            {"section", grid.Cell(0, row)}, {"h", double(check.h)}, {"d", double(check.d)}};
        for (int c = 0; c < kCriterionCount; ++c) {
            const auto& ratio = check.utilisation[c];
            section[criteria[c]] =
                check.allowable[c]
                    ? json{{"ratio", ratio && std::isfinite(*ratio) ? json(*ratio) : json(nullptr)},
                           {"allowable", *check.allowable[c]}}
                    : json(nullptr);
        }
        section["verdict"] = grid.Cell(grid.columns - 1, row);
        sections.push_back(std::move(section));
    }
    return sections;
}

// The frame's dimensions by name, then the frame and its cases in solver-neutral form.
json FrameJson(const CalcTable& table) {
    json frame = Values(table.frame);
    if (!table.frameModel) return frame;
    json model = FrameRecordJson(*table.frameModel);
    for (auto& [key, value] : model.items()) frame[key] = std::move(value);
    return frame;
}

}  // namespace

nlohmann::ordered_json CalcTableToJson(const CalcTable& table,
                                       const std::vector<std::string>& messages) {
    json lists = json::object(), grids = json::object(), labels = json::object(),
         charts = json::object();
    for (const auto& [name, items] : table.lists) lists[name] = items;
    for (const auto& [name, grid] : table.grids) grids[name] = grid.cells;
    for (const auto& [name, label] : table.labels)
        labels[name] = {{"text", label.text}, {"colour", ColourText(label.colour)}};
    for (const auto& [name, chart] : table.charts) charts[name] = ChartJson(chart);
    return {{"lists", std::move(lists)},
            {"grids", std::move(grids)},
            {"labels", std::move(labels)},
            {"charts", std::move(charts)},
            {"quantities", QuantitiesJson(table.quantities)},
            {"messages", messages},
            {"utilisation", UtilisationJson(table)},
            {"frame", FrameJson(table)},
            {"load_cases", LoadCasesJson(table.loadCases)},
            {"stability", StabilityJson(table.stability)},
            {"warnings", table.warnings}};
}

FileResult WriteJsonReport(FileCommit& commit, const std::string& path, const CalcTable& table,
                           const std::vector<std::string>& messages) {
    // A text that is no valid UTF-8 is written with replacement characters rather than lost.
    const std::string text =
        CalcTableToJson(table, messages).dump(2, ' ', false, json::error_handler_t::replace) + "\n";
    return commit.Stage(path, text);
}
