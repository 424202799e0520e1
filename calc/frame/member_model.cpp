// Section shear and moment of a member at a distance from its start joint.
#include "calc/frame/member_model.h"

#include <algorithm>
#include <cmath>

TopSlabBands ComputeTopSlabBands(const TData& r) {
    TopSlabBands bands;
    bands.h1d = r.h1 + static_cast<long double>(r.Tu) / 2;
    bands.W1 = 2 * bands.h1d + 0.2L;
    bands.L1 = (r.Bo - bands.W1) / 2;
    bands.L2 = std::min(bands.W1, static_cast<long double>(r.Bo));
    bands.L3 =
        std::max(0.0L, static_cast<long double>(r.Bo) / 2 - (r.axleDistance - (bands.h1d + 0.1L)));
    return bands;
}

FrameMember MemberOf(const TBuzai& r, MemberId id) {
    FrameMember member;
    switch (id) {
        case MemberId::AB:
            member.length = r.Ho;
            member.startLoad = r.Ph4;
            member.endLoad = r.Ph3;
            member.startShear = r.forcesAB.SStart;
            member.startMoment = r.Mab;
            break;
        case MemberId::CD:
            member.length = r.Ho;
            member.startLoad = r.Ph1;
            member.endLoad = r.Ph2;
            member.startShear = r.forcesCD.SStart;
            member.startMoment = r.Mcd;
            break;
        case MemberId::BC:
            member.topSlab = true;
            member.length = r.Bo;
            member.uniformLoad = r.Pv1Frame;
            member.rearLoad = r.PvL1Frame;
            member.frontLoad = r.PvL2Frame;
            member.bands = ComputeTopSlabBands(r);
            member.startShear = r.forcesBC.SStart;
            member.startMoment = r.Mbc;
            break;
        case MemberId::DA:
            member.length = r.Bo;
            member.startLoad = r.Pv2R;
            member.endLoad = r.Pv2L;
            member.startShear = r.forcesDA.SStart;
            member.startMoment = r.Mda;
            break;
    }
    return member;
}

namespace {

long double FrontBandStart(const FrameMember& m) {
    return m.length - m.bands.L3;
}

long double TopSlabShear(const FrameMember& m, long double x) {
    const TopSlabBands& b = m.bands;
    const long double front = x > FrontBandStart(m) ? -m.frontLoad * (x - FrontBandStart(m)) : 0;
    if (b.L1 < 0) return m.startShear - (m.uniformLoad + m.rearLoad) * x + front;
    long double band = 0;
    if (x > b.L1 + b.W1)
        band = -m.rearLoad * b.W1;
    else if (x > b.L1)
        band = -m.rearLoad * (x - b.L1);
    return m.startShear - m.uniformLoad * x + band + front;
}

long double TopSlabMoment(const FrameMember& m, long double x) {
    const TopSlabBands& b = m.bands;
    const long double front =
        x > FrontBandStart(m) ? -m.frontLoad * std::pow(x - FrontBandStart(m), 2.0L) / 2 : 0;
    if (b.L1 < 0)
        return m.startShear * x - (m.uniformLoad + m.rearLoad) * std::pow(x, 2.0L) / 2 +
               m.startMoment + front;
    long double band = 0;
    if (x > b.L1 + b.W1)
        band = -m.rearLoad * b.W1 * (x - m.length / 2);
    else if (x > b.L1)
        band = -m.rearLoad * std::pow(x - b.L1, 2.0L) / 2;
    return m.startShear * x - m.uniformLoad * std::pow(x, 2.0L) / 2 + m.startMoment + band + front;
}

}  // namespace

long double ShearAt(const FrameMember& m, long double x) {
    if (m.topSlab) return TopSlabShear(m, x);
    return m.startShear - m.startLoad * x -
           (m.endLoad - m.startLoad) * std::pow(x, 2.0L) / (2 * m.length);
}

long double MomentAt(const FrameMember& m, long double x) {
    if (m.topSlab) return TopSlabMoment(m, x);
    return m.startShear * x - m.startLoad * std::pow(x, 2.0L) / 2 -
           (m.endLoad - m.startLoad) * std::pow(x, 3.0L) / (6 * m.length) + m.startMoment;
}
