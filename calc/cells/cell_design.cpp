// The design of a box of two or three cells over every load case and wheel position.
#include "calc/cells/cell_design.h"

#include <cmath>
#include <optional>

#include "calc/cells/frame_solver.h"
#include "calc/cells/member_sections.h"
#include "calc/loads/loads.h"
#include "calc/section/bar_arrangement.h"
#include "calc/section/bar_tables.h"
#include "calc/section/quantities.h"
#include "calc/section/section_checks.h"

namespace {

constexpr char kUnsolvable[] = "ラーメンの平衡方程式が解けません。";

// The record a section is designed with: a middle wall is a wall of thickness Tm.
const TData& RecordOf(const CellSectionLayout& layout, const TData& record,
                      const TData& middleWall) {
    return layout.middleWall ? middleWall : record;
}

// The envelope of one section over the sub-cases.
struct Envelope {
    bool any = false;
    CellSectionForces forces;
    std::optional<Single> required;
    Single S = 0, S2d = 0;
    CellGoverning governing;

    // Of more steel, or of equal steel the larger |M|; a demand that cannot be formed governs.
    void Take(const CellSectionForces& f, std::optional<Single> demand, const CellSubCase& at) {
        const bool governs =
            !any || (required && (!demand || *demand > *required ||
                                  (*demand == *required && std::fabs(f.M) > std::fabs(forces.M))));
        if (governs) forces = f, required = demand, governing.moment = at;
        if (!any || std::fabs(f.S) > std::fabs(S)) S = f.S, governing.shear = at;
        if (!any || std::fabs(f.S2d) > std::fabs(S2d)) S2d = f.S2d, governing.shear2d = at;
        any = true;
    }
};

std::vector<CellCase> CasesOf(const TKakou& record, const CellBox& box, int loadCase,
                              const WaterInputs& water) {
    std::vector<CellCase> cases;
    const auto add = [&](CaseKind kind, const CaseWater& caseWater) {
        TKazyu loaded = record;
        const WaterPressures pressures = ComputeLoads(loaded, loadCase, caseWater);
        CellCase c{kind, CellCaseLoadsOf(loaded, box, loadCase, pressures), {}};
        c.positions = WheelPositions(box, c.loads);
        cases.push_back(std::move(c));
    };
    add(CaseKind::Documented, {});
    if (water.hw) add(CaseKind::Groundwater, {water.hw, false, water.gammaW, water.gammaSub});
    if (water.boxFull) add(CaseKind::InnerWater, {std::nullopt, true, water.gammaW, 0});
    return cases;
}

// The concrete of the box: the outline less the cells, with a haunch at every inner corner.
double ConcreteVolume(const TData& record, const CellBox& box) {
    const double haunch = double(record.Hab) * record.Hah;  // the two triangles of one cell
    const double perCell = (HasLowerHaunches(record) ? 2 : 1) * haunch;
    return double(record.B) * record.H - box.cells * (box.Bu * record.Hu - perCell);
}

// The frame is held in x at its left bottom joint alone. A horizontal resultant H of the
// loads is taken as shared by the ground under both halves of the box instead: half of it at
// each outer bottom joint, a pair of forces along the bottom slab that its inextensible spans
// carry alone, adding H/2 to their compression and changing nothing else.
double AxialForce(const CellBox& box, const FrameResponse& response, int member, double H) {
    const bool bottom = member >= box.BottomSpan(box.cells - 1) && member <= box.BottomSpan(0);
    return response.axial[std::size_t(member)] + (bottom ? H / 2 : 0.0);
}

}  // namespace

CellSectionForces SectionForcesOf(const CellSectionLayout& layout, const TData& record,
                                  const CellBox& box, const FrameGeometry& frame,
                                  const FrameLoads& loads, const FrameResponse& response,
                                  double H) {
    const std::size_t m = std::size_t(layout.member);
    // A tension is taken as no axial force: the section in pure bending.
    const Single N = std::max(0.0, AxialForce(box, response, layout.member, H));
    if (layout.where == CellPlace::Span) {
        const MomentPeak peak = MemberMomentExtremes(frame, loads, response, layout.member).largest;
        return {peak.x, peak.M, N, 0, 0};
    }
    const double L = MemberLength(frame, layout.member);
    const double twoD = 2 * DepthsOf(record, layout.code).d / 1000;
    if (layout.where == CellPlace::Start) {
        // The shear just inside the member, beyond a wall's weight standing on its joint.
        double S = response.startShear[m];
        for (const MemberLoad& load : loads.All())
            if (load.member == layout.member && load.point && load.a == 0) S += load.P;
        return {0, response.endMoments[m].from, N, S,
                SectionAt(frame, loads, response, layout.member, twoD).S};
    }
    return {L, -response.endMoments[m].to, N, SectionAt(frame, loads, response, layout.member, L).S,
            SectionAt(frame, loads, response, layout.member, L - twoD).S};
}

int CellDesign::SubCaseCount() const {
    int count = 0;
    for (const CellCase& c : cases) count += int(c.positions.size());
    return count;
}

FrameLoads SubCaseLoadsOf(const CellDesign& design, const CellSubCase& subCase) {
    return SubCaseLoads(design.box, design.cases[std::size_t(subCase.loadCase)].loads,
                        subCase.wheels);
}

CellDesign DesignCells(const TKakou& record, int loadCase, const WaterInputs& water,
                       const DesignConditions& conditions, Messenger& messenger) {
    CellDesign design;
    design.box = CellBoxOf(record);
    design.frame = BoxFrame(design.box);
    design.cases = CasesOf(record, design.box, loadCase, water);
    design.layouts = CellSections(design.box);
    design.concrete = ConcreteVolume(record, design.box);
    const std::size_t count = design.layouts.size();

    TTekkin tables = record;
    FillBarTables(tables);
    TData middleWall = record;
    middleWall.TL = design.box.Tm;

    const FrameSolver solver(design.frame);
    design.solvable = solver.Solvable();
    if (!design.solvable) messenger.Inform(kUnsolvable);

    std::vector<Envelope> envelopes(count);
    for (std::size_t c = 0; c < design.cases.size(); ++c)
        for (const WheelPosition& position : design.cases[c].positions) {
            const CellSubCase at{int(c), position};
            const FrameLoads loads = SubCaseLoadsOf(design, at);
            const FrameResponse response = solver.Solve(loads);
            const double H = HorizontalResultant(design.box, loads);
            CellCase& loadCase = design.cases[c];
            for (const MemberLoad& load : loads.All()) {
                // The reaction at the outer axes: the ends of the outer bottom spans.
                if (load.member == design.box.BottomSpan(0) && !load.point)
                    loadCase.reactionLeft = std::max(loadCase.reactionLeft, -load.qb);
                if (load.member == design.box.BottomSpan(design.box.cells - 1) && !load.point)
                    loadCase.reactionRight = std::max(loadCase.reactionRight, -load.qa);
            }
            for (std::size_t k = 0; k < count; ++k) {
                const CellSectionLayout& layout = design.layouts[k];
                const TData& r = RecordOf(layout, record, middleWall);
                const CellSectionForces f =
                    SectionForcesOf(layout, r, design.box, design.frame, loads, response, H);
                const bool span = layout.where == CellPlace::Span;
                envelopes[k].Take(f,
                                  span && !(f.M > 0) ? std::optional<Single>(0)
                                                     : RequiredSteel(r, layout.code, f.M, f.N),
                                  at);
            }
        }

    design.sections.resize(count);
    design.governing.resize(count);
    design.steel.resize(count);
    std::vector<int> barOf(count);
    for (std::size_t k = 0; k < count; ++k) {
        const CellSectionLayout& layout = design.layouts[k];
        const Envelope& e = envelopes[k];
        DesignedSection& s = design.sections[k];
        s.code = layout.code;
        s.M = e.forces.M, s.N = e.forces.N, s.S = e.S, s.S2d = e.S2d;
        s.middle = layout.where == CellPlace::Span;
        s.judgementType = layout.judgementType;
        s.loadCase = e.governing.moment.loadCase;
        s.required = e.required;
        design.governing[k] = e.governing;
        design.steel[k] = e.required.value_or(0);
        barOf[k] = layout.bar;
    }

    // The stress distribution of the left outer wall and the first spans, as of one cell.
    const auto spanMoment = [&](int member) {
        for (std::size_t k = 0; k < count; ++k)
            if (design.layouts[k].member == member && design.layouts[k].where == CellPlace::Span)
                return design.sections[k].M;
        return Single(0);
    };
    const CellBox& box = design.box;
    design.bars[0] = StressTypeOf(spanMoment(box.LeftWall()), spanMoment(box.TopSpan(0)),
                                  spanMoment(box.BottomSpan(0)));
    if (design.bars[0] == 0) messenger.Inform("応力分布タイプが普通ではありません。");
    ArrangeSections(tables, conditions, barOf, design.bars, design.steel, messenger);

    for (std::size_t k = 0; k < count; ++k) {
        DesignedSection& s = design.sections[k];
        const TData& r = RecordOf(design.layouts[k], record, middleWall);
        CheckSection(r, conditions.lowerHaunch, design.steel[k], s);
        s.utilisation = Utilisations(r, conditions.lowerHaunch, s);
    }
    return design;
}
