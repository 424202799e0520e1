// The one-cell frame and its loads from the record. The storey equation of the
// slope-deflection, Mab + Mba + Mcd + Mdc = Sp5·Ho − Sp1·(Ho − e1) + Sp2·(Ho − e2), reduces
// with Sp5 = Sp1 − Sp2 to Sp1·e1 − Sp2·e2: the moments of the two wall pressures about the
// bottom-slab axis, e measured from it. The wall trapezoids carry exactly these, so the
// general frame needs no separate storey load.
#include "calc/cells/one_cell_frame.h"

#include "calc/frame/member_model.h"

FrameGeometry OneCellGeometry(const TData& r) {
    FrameGeometry g;
    const int A = g.AddJoint(0, 0), B = g.AddJoint(0, r.Ho);
    const int C = g.AddJoint(r.Bo, r.Ho), D = g.AddJoint(r.Bo, 0);
    g.AddMember(A, B, r.TL);
    g.AddMember(C, D, r.TL);
    g.AddMember(B, C, r.Tu);
    g.AddMember(D, A, r.Tb);
    g.AddSupport({A, true, true, false});
    g.AddSupport({D, false, true, false});
    return g;
}

namespace {

// A line load acting into the box, from `start` at a to `end` at b.
void AddInward(FrameLoads& loads, int member, double a, double b, double start, double end) {
    if (start == 0 && end == 0) return;
    loads.Add({member, a, b, -start, -end, false, 0});
}

}  // namespace

FrameLoads OneCellLoads(const TKazyu& r) {
    const double Ho = r.Ho, Bo = r.Bo;
    FrameLoads loads;
    AddInward(loads, kMemberAB, 0, Ho, r.Ph4, r.Ph3);
    AddInward(loads, kMemberCD, 0, Ho, r.Ph1, r.Ph2);
    AddInward(loads, kMemberBC, 0, Bo, r.Pv1Frame, r.Pv1Frame);
    if (r.W1 >= r.Bo)
        AddInward(loads, kMemberBC, 0, Bo, r.PvL1Frame, r.PvL1Frame);
    else
        AddInward(loads, kMemberBC, (Bo - r.W1) / 2, (Bo + r.W1) / 2, r.PvL1Frame, r.PvL1Frame);
    if (r.L1 > 0) AddInward(loads, kMemberBC, r.L2, Bo, r.PvL2Frame, r.PvL2Frame);
    AddInward(loads, kMemberDA, 0, Bo, r.Pv2R, r.Pv2L);
    return loads;
}

namespace {

FrameCaseRecord OneCellCase(const TBuzai& r, CaseKind kind) {
    FrameCaseRecord c;
    c.name = CaseName(kind);
    c.loads = OneCellLoads(r);
    c.endMoments[kMemberAB] = {r.Mab, r.Mba};
    c.endMoments[kMemberCD] = {r.Mcd, r.Mdc};
    c.endMoments[kMemberBC] = {r.Mbc, r.Mcb};
    c.endMoments[kMemberDA] = {r.Mda, r.Mad};
    const struct {
        OneCellMember member;
        MemberId id;
        const MemberForces& forces;
    } members[] = {{kMemberAB, MemberId::AB, r.forcesAB},
                   {kMemberCD, MemberId::CD, r.forcesCD},
                   {kMemberBC, MemberId::BC, r.forcesBC},
                   {kMemberDA, MemberId::DA, r.forcesDA}};
    for (const auto& m : members) {
        const FrameMember model = MemberOf(r, m.id);
        const MemberForces& f = m.forces;
        c.sections.push_back({m.member, 0, f.MStart, f.NStart, f.SStart});
        c.sections.push_back(
            {m.member, f.XMax, f.MMax, f.NMid, static_cast<double>(ShearAt(model, f.XMax))});
        c.sections.push_back({m.member, static_cast<double>(model.length), f.MEnd, f.NEnd, f.SEnd});
    }
    return c;
}

}  // namespace

FrameRecord OneCellFrameRecord(const TBuzai& documented, const ExtraCases& extra) {
    FrameRecord record{OneCellGeometry(documented),
                       {OneCellCase(documented, CaseKind::Documented)}};
    for (const FrameCase& c : extra.All()) record.cases.push_back(OneCellCase(c.record, c.kind));
    return record;
}
