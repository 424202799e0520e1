// The calculation run: reads, checks, chooses the load case and calls the stages in order.
#include "calc/run.h"

#include <cfenv>
#include <optional>
#include <string>

#include "calc/cells/cell_geometry.h"
#include "calc/cells/cell_sheet.h"
#include "calc/cells/cells_run.h"
#include "calc/decimal.h"
#include "calc/drawing/section_drawing.h"
#include "calc/float_errors.h"
#include "calc/frame/joint_moments.h"
#include "calc/frame/member_forces.h"
#include "calc/loads/condition_summary.h"
#include "calc/loads/load_diagram.h"
#include "calc/loads/load_sheet.h"
#include "calc/loads/loads.h"
#include "calc/read_conditions.h"
#include "calc/run_stages.h"
#include "calc/run_work.h"
#include "calc/section/check_sheet.h"
#include "calc/section/main_rebar.h"
#include "calc/section/quantity_sheet.h"
#include "calc/section/rebar_processing.h"
#include "calc/section/section_design.h"
#include "calc/verdict.h"
#include "calc/water/water_chapter.h"

namespace {

// Tab indices of the calculation-table window's page controls.
constexpr int kInputTab = 0;
constexpr int kLoadsTab = 2;
constexpr int kLoadValuesSubTab = 0;    // "1．荷重値計算"
constexpr int kLoadTermsSubTab = 0;     // "1．荷重項"
constexpr int kMemberForcesSubTab = 2;  // "3．部材断面力計算"

// Passes the stages' messages on and counts them; whatever the message box does meanwhile (a
// window system paints and computes) leaves the floating-point error flags of the run as they
// were.
class StageMessenger : public Messenger {
  public:
    explicit StageMessenger(Messenger& inner) : inner_(inner) {}
    void Inform(const std::string& text) override {
        const FlagKeeper keeper;
        ++shown;
        inner_.Inform(text);
    }
    bool Confirm(const std::string& text) override {
        const FlagKeeper keeper;
        ++shown;
        return inner_.Confirm(text);
    }
    void Warn(const std::string& text) override {
        const FlagKeeper keeper;
        ++shown;
        inner_.Warn(text);
    }

    int shown = 0;

  private:
    struct FlagKeeper {
        FlagKeeper() { std::fegetexceptflag(&flags, FE_ALL_EXCEPT); }
        ~FlagKeeper() { std::fesetexceptflag(&flags, FE_ALL_EXCEPT); }
        std::fexcept_t flags;
    };
    Messenger& inner_;
};

// The stages in order.
constexpr Stage kStages[] = {
    {"設計条件の整理", NothingToCompute,
     [](const RunState& s, CalcTable& t) {
         WriteConditionSummary(s.work.record, s.conditions, t);
     }},
    {"荷重値の計算",
     [](RunState& s) {
         RunWork& w = s.work;
         ComputeLoads(w.record, w.loadCase);
         ComputeExtraLoads(w.record, w.loadCase, w.water, w.extra);
     },
     NothingToWrite},
    {"荷重計算書の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) {
         WriteLoadSheet(s.work.record, s.work.loadCase, s.conditions, t);
     }},
    {"作用荷重図の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) { DrawLoadDiagram(s.work.record, s.work.loadCase, t); }},
    {"節点モーメントの計算",
     [](RunState& s) {
         s.work.frame = ComputeJointMoments(s.work.record, s.messenger);
         ComputeExtraJointMoments(s.work.extra);
     },
     [](const RunState& s, CalcTable& t) { WriteJointMoments(s.work.record, s.work.frame, t); }},
    {"部材断面力の計算",
     [](RunState& s) {
         ComputeMemberForces(s.work.record);
         ComputeExtraMemberForces(s.work.extra);
     },
     [](const RunState& s, CalcTable& t) { WriteMemberForces(s.work.record, s.work.loadCase, t); }},
    {"部材断面計算",
     [](RunState& s) {
         RunWork& w = s.work;
         std::array<const TBuzai*, 1 + kMaxExtraCases> records;
         w.sections = DesignSections(w.record, CaseRecords(w, records), s.conditions, w.barSchedule,
                                     w.sectionSteel, s.messenger, w.caseSections);
     },
     [](const RunState& s, CalcTable& t) {
         WriteSectionDesign(s.work.sections, s.work.barSchedule, s.work.sectionSteel, t);
     }},
    {"主鉄筋加工寸法の計算",
     [](RunState& s) {
         s.work.rebar = ComputeRebarProcessing(s.work.record, s.work.barSchedule, s.messenger);
     },
     [](const RunState& s, CalcTable& t) {
         WriteRebarProcessing(s.work.record, s.work.barSchedule, s.work.rebar, t);
     }},
    {"主鉄筋図の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) { DrawMainRebar(s.work.record, s.work.barSchedule, t); }},
    {"数量の計算",
     [](RunState& s) {
         s.work.quantities = ComputeQuantities(s.work.record, s.work.barSchedule, s.work.rebar);
     },
     [](const RunState& s, CalcTable& t) { WriteQuantities(s.work.quantities, t); }},
    {"図面の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) {
         DrawSection(s.work.record, s.work.barSchedule, s.work.rebar, s.work.loadCase,
                     s.conditions.steelGrade, t);
     }},
    {"水位・安定計算",
     [](RunState& s) {
         RunWork& w = s.work;
         if (w.water.Any())
             w.stability = ComputeStability(w.record, w.extra, w.water, s.conditions.foundation);
         w.warnings = ApplicabilityWarnings(w.record);
     },
     [](const RunState& s, CalcTable& t) { WriteWaterChapter(s.work, t); }},
};

// Puts back the initial contents of every result component; the charts keep their series
// and styles.
void ClearResults(CalcTable& table) {
    const CalcTable initial;
    table.lists = initial.lists;
    table.grids = initial.grids;
    table.labels = initial.labels;
    table.quantities = initial.quantities;
    table.checks = initial.checks;
    table.drawing = initial.drawing;
    table.frame = initial.frame;
    table.frameModel = initial.frameModel;
    table.loadCases = initial.loadCases;
    table.stability = initial.stability;
    table.warnings = initial.warnings;
    table.overLimitCells = initial.overLimitCells;
    ClearForceGrid(table.GridOf("StringGrid1"));
    std::erase_if(table.charts,
                  [&](const auto& entry) { return !initial.charts.contains(entry.first); });
    for (auto& [name, chart] : table.charts) {
        ClearChart(chart);
        const Chart& fresh = initial.ChartOf(name);
        chart.left = fresh.left;
        chart.bottom = fresh.bottom;
        chart.right = fresh.right;
        chart.top = fresh.top;
    }
}

}  // namespace

CaseForces CaseRecords(const RunWork& work,
                       std::array<const TBuzai*, 1 + kMaxExtraCases>& records) {
    records[0] = &work.record;
    for (int k = 0; k < work.extra.count; ++k) records[k + 1] = &work.extra.cases[k].record;
    return {records.data(), std::size_t(1 + work.extra.count)};
}

int ChooseLoadCase(const DesignConditions& conditions, const TKakou& record) {
    switch (conditions.liveLoad) {
        case 0:
        case 1:
        case 2:
            // h1 is a Single, impactDepth a Double: the cover compares as it was stored.
            if (record.h1 >= record.impactDepth) return 4;
            // A combination restored from a file may select no item; that is the standard one.
            return (conditions.combination >= 0 && conditions.combination <= 2)
                       ? conditions.combination + 1
                       : 1;
        case 3:
            return 5;
        default:
            return 1;
    }
}

RunResult ComputeRun(const DesignConditions& conditions, RunWork& work, Messenger& messenger,
                     CalcTable* table) {
    if (table) {
        table->tabs = {kInputTab, kLoadValuesSubTab, kMemberForcesSubTab};
        table->completedRun = false;
        table->passed = false;
        ClearForceGrid(table->GridOf("StringGrid1"));
        ClearCellChapters(*table);
    }

    TKakou& record = work.record;
    std::optional<std::string> uncomputable;
    try {
        uncomputable = ReadDesignConditions(conditions, record);
        work.water = ReadWaterInputs(conditions);
    } catch (const ConversionError& error) {
        messenger.Warn(error.what());
        return RunResult::ConversionError;
    }
    work.loadCase = ChooseLoadCase(conditions, record);
    // A value that cannot be formed from the entries usually comes of an entry that a check
    // rejects, and the check says better what to correct.
    const int failed = CheckDesignConditions(record, messenger);
    if ((failed | CheckWaterInputs(work.water, messenger)) != 0) return RunResult::CheckFailed;
    if (uncomputable) {
        messenger.Warn(UncomputableValueMessage(*uncomputable));
        return RunResult::ConversionError;
    }

    // A stage that meets a value it cannot compute (entries far outside any real box) stops
    // the run without results rather than show INF or NAN.
    StageMessenger stageMessenger(messenger);
    RunState state{conditions, work, stageMessenger};
    const bool multiCell = MultiCell(record);
    for (const Stage& stage : multiCell ? CellStages() : std::span<const Stage>(kStages)) {
        std::feclearexcept(kFloatErrors);
        stage.compute(state);
        if (table) stage.write(state, *table);
        if (FloatErrorRaised()) {
            messenger.Warn(UncomputableStageMessage(stage.name));
            if (table) ClearResults(*table);
            return RunResult::ConversionError;
        }
    }

    work.passed = DesignPasses(multiCell ? std::span<const DesignedSection>(work.cells.sections)
                                         : std::span<const DesignedSection>(work.sections),
                               work.stability, stageMessenger.shown);
    if (table) {
        table->tabs = {kLoadsTab, kLoadValuesSubTab, kLoadTermsSubTab};
        table->completedRun = true;
        table->passed = work.passed;
    }
    if (table && !multiCell) {
        // Only formats what the stages computed, after their check for uncomputable values.
        WriteSectionChecks(work.record, conditions.lowerHaunch, work.sections, *table);
        // The label's text judges the sections alone; its colour is the design's verdict.
        table->labels.at("Label97").colour = work.passed ? colours::blue : colours::red;
    }
    return RunResult::Completed;
}

RunResult RunCalculation(const DesignConditions& conditions, CalcTable& table,
                         Messenger& messenger) {
    // The record lives for the run only.
    RunWork work;
    return ComputeRun(conditions, work, messenger, &table);
}
