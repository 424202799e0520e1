// Member section forces: end shears, end moments, the span maximum and its position, the 2d
// shears and the axial forces, for AB, CD, BC, DA in that order.
#include "calc/frame/member_forces.h"

#include <algorithm>
#include <cmath>

#include "calc/frame/force_diagrams.h"
#include "calc/frame/force_summary.h"
#include "calc/frame/max_position.h"
#include "calc/frame/member_force_sheet.h"
#include "calc/frame/member_load_charts.h"
#include "calc/frame/member_model.h"

namespace {

using Extended = long double;

// Span maximum and 2d shears of a member whose end shears are stored; the 2d sections lie at
// 2·d from either joint, d = thickness − cover.
void FinishMember(const TBuzai& r, MemberId id, Single maxPosition, Single thickness, Single cover,
                  MemberForces& f) {
    const FrameMember member = MemberOf(r, id);
    const Extended twoD = 2 * (static_cast<Extended>(thickness) - cover);
    f.XMax = maxPosition;
    f.MMax = MomentAt(member, f.XMax);
    f.S2dStart = ShearAt(member, twoD);
    f.S2dEnd = ShearAt(member, member.length - twoD);
}

ShearQuadratic ShearQuadraticOf(Extended length, Single w1, Single w2, Extended c) {
    return {Single(-(static_cast<Extended>(w2) - w1) / (2 * length)), -w1, Single(c)};
}

void LeftWall(TBuzai& r) {
    const Extended L = r.Ho, w1 = r.Ph4, w2 = r.Ph3;
    const Extended ends = (static_cast<Extended>(r.Mab) + r.Mba) / L;
    MemberForces& f = r.forcesAB;
    f.SStart = (2 * w1 + w2) * L / 6 - ends;
    f.SEnd = -(w1 + 2 * w2) * L / 6 - ends;
    f.MStart = r.Mab;
    f.MEnd = -r.Mba;
    const Single x = SideWallMaxPosition(MemberOf(r, MemberId::AB),
                                         ShearQuadraticOf(L, r.Ph4, r.Ph3, f.SStart), false);
    FinishMember(r, MemberId::AB, x, r.TL, r.dWall, f);
}

// x runs down from C; the zero of the shear is found as a distance from D.
void RightWall(TBuzai& r) {
    const Extended L = r.Ho, w1 = r.Ph2, w2 = r.Ph1;
    const Extended ends = (static_cast<Extended>(r.Mcd) + r.Mdc) / L;
    MemberForces& f = r.forcesCD;
    f.SStart = (2 * w2 + w1) * L / 6 - ends;
    f.SEnd = -(w2 + 2 * w1) * L / 6 - ends;
    f.MStart = r.Mcd;
    f.MEnd = -r.Mdc;
    const Single x = SideWallMaxPosition(MemberOf(r, MemberId::CD),
                                         ShearQuadraticOf(L, r.Ph2, r.Ph1, -f.SEnd), true);
    FinishMember(r, MemberId::CD, x, r.TL, r.dWall, f);
}

void TopSlab(TBuzai& r) {
    const TopSlabBands bands = ComputeTopSlabBands(r);
    const Extended L = r.Bo, w1 = r.Pv1Frame, w2 = r.PvL1Frame, w3 = r.PvL2Frame;
    const Extended startShear = (w1 * L + w2 * bands.L2 + w3 * std::pow(bands.L3, 2.0L) / L) / 2 -
                                (static_cast<Extended>(r.Mbc) + r.Mcb) / L;
    MemberForces& f = r.forcesBC;
    f.SStart = startShear;
    f.SEnd = startShear - w1 * L - w2 * bands.L2 - w3 * bands.L3;
    f.MStart = r.Mbc;
    f.MEnd = -r.Mcb;
    const Single x = FindTopSlabMaxPosition(MemberOf(r, MemberId::BC));
    FinishMember(r, MemberId::BC, x, r.Tu, r.dTop, f);
}

// x runs from D to A; the zero of the shear is found as a distance from A.
void BottomSlab(TBuzai& r) {
    const Extended L = r.Bo, w1 = r.Pv2L, w2 = r.Pv2R;
    const Extended ends = (static_cast<Extended>(r.Mda) + r.Mad) / L;
    MemberForces& f = r.forcesDA;
    f.SStart = (2 * w2 + w1) * L / 6 - ends;
    f.SEnd = -(w2 + 2 * w1) * L / 6 - ends;
    f.MStart = r.Mda;
    f.MEnd = -r.Mad;
    const Single x = BottomSlabMaxPosition(
        MemberOf(r, MemberId::DA), ShearQuadraticOf(L, r.Pv2L, r.Pv2R, -f.SEnd), r.Pv2R == r.Pv2L);
    FinishMember(r, MemberId::DA, x, r.Tb, r.dBottomLower, f);
}

// Each member carries as axial force the shears of the members meeting it at its joints.
void SetAxialForces(TBuzai& r) {
    auto set = [](MemberForces& f, Single start, Single end) {
        f.NStart = start;
        f.NEnd = end;
        f.NMid = (static_cast<Extended>(start) + end) / 2;
    };
    const Single Sab = r.forcesAB.SStart, Sba = r.forcesAB.SEnd;
    const Single Scd = r.forcesCD.SStart, Sdc = r.forcesCD.SEnd;
    const Single Sbc = r.forcesBC.SStart, Scb = r.forcesBC.SEnd;
    const Single Sda = r.forcesDA.SStart, Sad = r.forcesDA.SEnd;
    set(r.forcesAB, std::fabs(Sad), std::fabs(Sbc));
    set(r.forcesCD, std::fabs(Scb), std::fabs(Sda));
    set(r.forcesBC, std::fabs(Sba), std::fabs(Scd));
    const Single bottom = std::max(std::fabs(Sdc), std::fabs(Sab));
    set(r.forcesDA, bottom, bottom);
}

}  // namespace

void ComputeMemberForces(TBuzai& record) {
    LeftWall(record);
    RightWall(record);
    TopSlab(record);
    BottomSlab(record);
    SetAxialForces(record);
}

void WriteMemberForces(const TKakou& record, int loadCase, CalcTable& table) {
    WriteMemberForceSheet(record, table.List("ListBox2"));
    ShowForceSummary(record, table);
    DrawMemberLoadCharts(record, loadCase, table);
    DrawForceDiagrams(record, table);
}
