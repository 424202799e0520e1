// Writing chapter "Ⅵ．水位・安定計算" and the reviewer's data.
#include "calc/water/water_chapter.h"

#include <string>

#include "calc/cells/one_cell_frame.h"
#include "calc/frame/force_summary.h"
#include "calc/study/study_names.h"
#include "calc/water/case_sheet.h"
#include "calc/water/stability_sheet.h"
#include "calc/water/water_figures.h"

namespace {

const char* const kSheets[] = {kGroundwaterSheet, kInnerWaterSheet, kStabilitySheet};
const char* const kFigures[] = {kGroundwaterFigure, kInnerWaterFigure, kEnvelopeFigure};

// A case as the reviewer reads it, for the load case (1..5) of the run.
CaseSummary SummaryOf(const TBuzai& r, CaseKind kind, const WaterPressures& water, int loadCase,
                      const SectionDesign& sections) {
    CaseSummary s;
    s.kind = kind;
    const bool uniform = loadCase >= 3;
    s.loads = {{"Ph1", r.Ph1},
               {"Ph2", r.Ph2},
               {"Ph3", r.Ph3},
               {"Ph4", r.Ph4},
               {"Pv1Frame", r.Pv1Frame},
               {"PvL1Frame", r.PvL1Frame},
               {"PvL2Frame", r.PvL2Frame},
               {"W1", r.W1},
               {"L1", r.L1},
               {"Pv2L", r.Pv2L},
               {"Pv2R", r.Pv2R},
               {"Pvd", r.Pvd},
               {"Phd1", uniform ? r.Phd1q : r.Phd1},
               {"Phd2", uniform ? r.Phd2q : r.Phd2}};
    if (kind == CaseKind::Groundwater)
        s.loads.insert(s.loads.end(), {{"Pw", Single(water.top)},
                                       {"Pwh1", Single(water.wallTop)},
                                       {"Pwh2", Single(water.wallBottom)}});
    if (kind == CaseKind::InnerWater)
        s.loads.insert(s.loads.end(),
                       {{"Pwi1", Single(water.innerTop)}, {"Pwi2", Single(water.innerBottom)}});
    s.jointMoments = {r.Mab, r.Mba, r.Mbc, r.Mcb, r.Mcd, r.Mdc, r.Mda, r.Mad};
    for (int k = 0; k < 12; ++k) s.sections[k] = {sections[k].M, sections[k].N, sections[k].S};
    return s;
}

void RemoveChapter(CalcTable& table) {
    for (const char* name : kSheets) table.lists.erase(name);
    table.grids.erase(kCaseTable);
    for (const char* name : kFigures) table.charts.erase(name);
}

// The forces of every case by section, with the case that governs each section and its
// verdict: a title row and the section names.
Grid CaseTable(const RunWork& work) {
    const int caseCount = 1 + work.extra.count;
    Grid grid(1 + 3 * caseCount + 2, 13);
    grid.rowHeight = 18;
    grid.cellColour = colours::infoBackground;
    grid.fixedColour = colours::silver;
    grid.columnWidths.assign(grid.columns, 50);
    grid.columnWidths.front() = 60;
    grid.Cell(0, 0) = "部材";
    for (int row = 1; row <= 12; ++row) grid.Cell(0, row) = DesignSectionNames()[row - 1];
    for (int c = 0; c < caseCount; ++c) {
        const std::string name =
            CaseName(c == 0 ? CaseKind::Documented : work.extra.cases[c - 1].kind);
        const int column = 1 + 3 * c;
        grid.Cell(column, 0) = "M(" + name + ")";
        grid.Cell(column + 1, 0) = "N(" + name + ")";
        grid.Cell(column + 2, 0) = "S(" + name + ")";
        for (int k = 0; k < 12; ++k) {
            const DesignedSection& s = work.caseSections[c][k];
            grid.Cell(column, k + 1) = ForceText(s.M);
            grid.Cell(column + 1, k + 1) = ForceText(s.N);
            grid.Cell(column + 2, k + 1) = ForceText(s.S);
        }
    }
    const int governing = 1 + 3 * caseCount;
    grid.Cell(governing, 0) = "支配ケース";
    grid.Cell(governing + 1, 0) = "判定";
    grid.columnWidths[governing] = 65;
    grid.columnWidths[governing + 1] = 40;
    for (int k = 0; k < 12; ++k) {
        const DesignedSection& s = work.sections[k];
        grid.Cell(governing, k + 1) = CaseName(
            s.loadCase == 0 ? CaseKind::Documented : work.extra.cases[s.loadCase - 1].kind);
        grid.Cell(governing + 1, k + 1) = s.verdict;
    }
    return grid;
}

void WriteChapter(const RunWork& work, CalcTable& table) {
    RemoveChapter(table);
    const Stability& stability = *work.stability;
    int number = 1;
    for (const FrameCase& c : work.extra.All()) {
        const CaseBearing& bearing = stability.bearing.cases[number];
        WriteCaseSheet(
            number, c, work.water, work.loadCase, bearing,
            table.lists[c.kind == CaseKind::Groundwater ? kGroundwaterSheet : kInnerWaterSheet]);
        DrawCaseLoadDiagram(
            c, work.water, work.loadCase, table.ChartOf("Chart1"),
            table.charts[c.kind == CaseKind::Groundwater ? kGroundwaterFigure : kInnerWaterFigure]);
        ++number;
    }
    WriteStabilitySheet(number, work.record, work.water, stability, table.lists[kStabilitySheet]);
    table.grids[kCaseTable] = CaseTable(work);
    std::array<const TBuzai*, 1 + kMaxExtraCases> records;
    Chart& envelope = table.charts[kEnvelopeFigure];
    envelope = Chart{};
    DrawMomentEnvelope(CaseRecords(work, records), envelope);
}

}  // namespace

bool HasWaterChapter(const CalcTable& table) {
    return table.lists.contains(kStabilitySheet);
}

bool HasExtraCases(const CalcTable& table) {
    return table.loadCases.size() > 1;
}

void WriteWaterChapter(const RunWork& work, CalcTable& table) {
    const TKakou& r = work.record;
    table.frame = {{"Ho", r.Ho}, {"Bo", r.Bo}, {"Tu", r.Tu}, {"TL", r.TL}, {"Tb", r.Tb}};
    table.frameModel = OneCellFrameRecord(r, work.extra);
    table.loadCases.clear();
    table.loadCases.push_back(
        SummaryOf(r, CaseKind::Documented, {}, work.loadCase, work.caseSections[0]));
    for (int k = 0; k < work.extra.count; ++k) {
        const FrameCase& c = work.extra.cases[k];
        table.loadCases.push_back(
            SummaryOf(c.record, c.kind, c.water, work.loadCase, work.caseSections[k + 1]));
    }
    table.stability = work.stability;
    table.warnings = work.warnings;
    if (work.stability)
        WriteChapter(work, table);
    else
        RemoveChapter(table);
}
