// The calculation run: reads, checks, chooses the load case and calls the stages in order.
#include "calc/run.h"

#include <memory>

#include "calc/decimal.h"
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
    ClearForceGrid(table.GridOf("StringGrid1"));

    // The record is large; it lives on the heap for the run only.
    auto record = std::make_unique<TKakou>();
    try {
        ReadDesignConditions(conditions, *record);
    } catch (const ConversionError& error) {
        messenger.Inform(error.what());
        return RunResult::ConversionError;
    }
    const int loadCase = ChooseLoadCase(conditions, *record);
    if (CheckDesignConditions(*record, messenger) != 0) return RunResult::CheckFailed;

    BarSchedule barSchedule{};
    SectionSteel sectionSteel{};
    WriteConditionSummary(*record, conditions, table);
    ComputeLoads(*record, loadCase);
    WriteLoadSheet(*record, loadCase, conditions, table);
    DrawLoadDiagram(*record, loadCase, table);
    ComputeJointMoments(*record, table, messenger);
    ComputeMemberForces(*record, loadCase, table);
    DesignSections(*record, conditions, barSchedule, sectionSteel, table, messenger);
    ComputeRebarProcessing(*record, barSchedule, table);
    DrawMainRebar(*record, barSchedule, table);

    table.tabs = {kLoadsTab, kLoadValuesSubTab, kLoadTermsSubTab};
    return RunResult::Completed;
}
