// A frame and its load cases as a reviewer rebuilds them in another frame program: the
// geometry with its supports, and for each case its loads, its end moments and the forces
// of its design sections. Signs as in calc/cells/frame_solver.h.
#pragma once

#include <string>
#include <vector>

#include "calc/cells/frame_solver.h"
#include "calc/cells/plane_frame.h"

// The section forces of a member at distance x from its `from` joint, m, kN·m, kN.
struct FrameSectionResult {
    int member = 0;
    double x = 0, M = 0, N = 0, S = 0;
    bool operator==(const FrameSectionResult&) const = default;
};

struct FrameCaseRecord {
    std::string name;
    FrameLoads loads;
    std::array<FrameResponse::Ends, kMaxFrameMembers> endMoments{};  // per member, [from, to]
    std::vector<FrameSectionResult> sections;
    bool operator==(const FrameCaseRecord&) const = default;
};

struct FrameRecord {
    FrameGeometry geometry;
    std::vector<FrameCaseRecord> cases;
    bool operator==(const FrameRecord&) const = default;
};
