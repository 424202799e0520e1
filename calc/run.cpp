// The calculation run: reads, checks, chooses the load case and calls the stages in order.
#include "calc/run.h"

#include <cfenv>
#include <memory>
#include <optional>
#include <string>

#include "calc/decimal.h"
#include "calc/float_errors.h"
#include "calc/frame/joint_moments.h"
#include "calc/frame/member_forces.h"
#include "calc/loads/condition_summary.h"
#include "calc/loads/load_diagram.h"
#include "calc/loads/load_sheet.h"
#include "calc/loads/loads.h"
#include "calc/read_conditions.h"
#include "calc/section/main_rebar.h"
#include "calc/section/rebar_processing.h"
#include "calc/section/section_design.h"
#include "calc/work_arrays.h"

namespace {

// Tab indices of the calculation-table window's page controls.
constexpr int kInputTab = 0;
constexpr int kLoadsTab = 2;
constexpr int kLoadValuesSubTab = 0;    // "1．荷重値計算"
constexpr int kLoadTermsSubTab = 0;     // "1．荷重項"
constexpr int kMemberForcesSubTab = 2;  // "3．部材断面力計算"

// Passes messages on; whatever the message box does meanwhile (a window system paints and
// computes) leaves the floating-point error flags of the run as they were.
class FlagKeepingMessenger : public Messenger {
  public:
    explicit FlagKeepingMessenger(Messenger& inner) : inner_(inner) {}
    void Inform(const std::string& text) override {
        const FlagKeeper keeper;
        inner_.Inform(text);
    }
    bool Confirm(const std::string& text) override {
        const FlagKeeper keeper;
        return inner_.Confirm(text);
    }
    void Warn(const std::string& text) override {
        const FlagKeeper keeper;
        inner_.Warn(text);
    }
    void Unbuildable(const std::string& text) override {
        const FlagKeeper keeper;
        inner_.Unbuildable(text);
    }

  private:
    struct FlagKeeper {
        FlagKeeper() { std::fegetexceptflag(&flags, FE_ALL_EXCEPT); }
        ~FlagKeeper() { std::fesetexceptflag(&flags, FE_ALL_EXCEPT); }
        std::fexcept_t flags;
    };
    Messenger& inner_;
};

// What the stages share during one run.
struct RunState {
    const DesignConditions& conditions;
    TKakou& record;
    int loadCase;
    BarSchedule barSchedule;
    SectionSteel sectionSteel;
    CalcTable& table;
    Messenger& messenger;
};

// A stage, named as the message names it when it meets a value it cannot compute.
struct Stage {
    const char* name;
    void (*run)(RunState&);
};

// The stages in order.
constexpr Stage kStages[] = {
    {"設計条件の整理", [](RunState& s) { WriteConditionSummary(s.record, s.conditions, s.table); }},
    {"荷重値の計算", [](RunState& s) { ComputeLoads(s.record, s.loadCase); }},
    {"荷重計算書の作成",
     [](RunState& s) { WriteLoadSheet(s.record, s.loadCase, s.conditions, s.table); }},
    {"作用荷重図の作成", [](RunState& s) { DrawLoadDiagram(s.record, s.loadCase, s.table); }},
    {"節点モーメントの計算",
     [](RunState& s) { ComputeJointMoments(s.record, s.table, s.messenger); }},
    {"部材断面力の計算", [](RunState& s) { ComputeMemberForces(s.record, s.loadCase, s.table); }},
    {"部材断面計算",
     [](RunState& s) {
         DesignSections(s.record, s.conditions, s.barSchedule, s.sectionSteel, s.table,
                        s.messenger);
     }},
    {"主鉄筋加工寸法の計算",
     [](RunState& s) { ComputeRebarProcessing(s.record, s.barSchedule, s.table, s.messenger); }},
    {"主鉄筋図の作成", [](RunState& s) { DrawMainRebar(s.record, s.barSchedule, s.table); }},
};

// Puts back the initial contents of every result component; the charts keep their series
// and styles.
void ClearResults(CalcTable& table) {
    const CalcTable initial;
    table.lists = initial.lists;
    table.grids = initial.grids;
    table.labels = initial.labels;
    ClearForceGrid(table.GridOf("StringGrid1"));
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

RunResult RunCalculation(const DesignConditions& conditions, CalcTable& table,
                         Messenger& messenger) {
    table.tabs = {kInputTab, kLoadValuesSubTab, kMemberForcesSubTab};
    table.completedRun = false;
    ClearForceGrid(table.GridOf("StringGrid1"));

    // The record is large; it lives on the heap for the run only.
    auto record = std::make_unique<TKakou>();
    std::optional<std::string> uncomputable;
    try {
        uncomputable = ReadDesignConditions(conditions, *record);
    } catch (const ConversionError& error) {
        messenger.Warn(error.what());
        return RunResult::ConversionError;
    }
    const int loadCase = ChooseLoadCase(conditions, *record);
    // A value that cannot be formed from the entries usually comes of an entry that a check
    // rejects, and the check says better what to correct.
    if (CheckDesignConditions(*record, messenger) != 0) return RunResult::CheckFailed;
    if (uncomputable) {
        messenger.Warn(UncomputableValueMessage(*uncomputable));
        return RunResult::ConversionError;
    }

    // A stage that meets a value it cannot compute (entries far outside any real box) stops
    // the run without results rather than show INF or NAN.
    FlagKeepingMessenger stageMessenger(messenger);
    RunState state{conditions, *record, loadCase, {}, {}, table, stageMessenger};
    for (const Stage& stage : kStages) {
        std::feclearexcept(kFloatErrors);
        stage.run(state);
        if (FloatErrorRaised()) {
            messenger.Warn(UncomputableStageMessage(stage.name));
            ClearResults(table);
            return RunResult::ConversionError;
        }
    }

    table.tabs = {kLoadsTab, kLoadValuesSubTab, kLoadTermsSubTab};
    table.completedRun = true;
    return RunResult::Completed;
}
