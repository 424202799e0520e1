// The load cases of a design beyond the documented one: groundwater outside the empty box
// (外水) and the box full of water without groundwater (内水). Each is the frame of the
// documented run with its own loads, computed by the documented formulas.
#pragma once

#include <array>
#include <span>

#include "calc/loads/loads.h"
#include "calc/record.h"
#include "calc/water/water_inputs.h"

enum class CaseKind { Documented, Groundwater, InnerWater };

// "基本", "外水", "内水".
const char* CaseName(CaseKind kind);

// One extra case: the record of the frame up to its member forces, with the case's loads,
// and the water pressures among them.
struct FrameCase {
    CaseKind kind = CaseKind::Groundwater;
    TBuzai record;
    WaterPressures water;
};

inline constexpr int kMaxExtraCases = 2;

struct ExtraCases {
    std::array<FrameCase, kMaxExtraCases> cases{};
    int count = 0;

    std::span<const FrameCase> All() const { return {cases.data(), std::size_t(count)}; }
};

// The loads of the extra cases the water entries call for, from the documented record once
// its loads are computed: the same live-load arrangement, the geometry and the self weights.
void ComputeExtraLoads(const TKakou& documented, int loadCase, const WaterInputs& water,
                       ExtraCases& extra);

// The joint moments of each extra case. Their frame is the documented one, so a system the
// solver cannot solve has been told already; it is not told again.
void ComputeExtraJointMoments(ExtraCases& extra);

// The member forces of each extra case.
void ComputeExtraMemberForces(ExtraCases& extra);
