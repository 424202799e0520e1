// Loads and frames of the extra load cases.
#include "calc/water/load_cases.h"

#include "calc/frame/joint_moments.h"
#include "calc/frame/member_forces.h"

const char* CaseName(CaseKind kind) {
    switch (kind) {
        case CaseKind::Documented:
            return "基本";
        case CaseKind::Groundwater:
            return "外水";
        case CaseKind::InnerWater:
            return "内水";
    }
    return "";
}

void ComputeExtraLoads(const TKakou& documented, int loadCase, const WaterInputs& water,
                       ExtraCases& extra) {
    extra.count = 0;
    const auto add = [&](CaseKind kind, const CaseWater& caseWater) {
        FrameCase& c = extra.cases[extra.count++];
        c.kind = kind;
        c.record = documented;
        c.water = ComputeLoads(c.record, loadCase, caseWater);
    };
    if (water.hw) add(CaseKind::Groundwater, {water.hw, false, water.gammaW, water.gammaSub});
    if (water.boxFull) add(CaseKind::InnerWater, {std::nullopt, true, water.gammaW, 0});
}

void ComputeExtraJointMoments(ExtraCases& extra) {
    RecordingMessenger toldAlready;
    for (int k = 0; k < extra.count; ++k) ComputeJointMoments(extra.cases[k].record, toldAlready);
}

void ComputeExtraMemberForces(ExtraCases& extra) {
    for (int k = 0; k < extra.count; ++k) ComputeMemberForces(extra.cases[k].record);
}
