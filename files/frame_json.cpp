// The frame record as JSON. A number that is exactly a 4-byte float (the record keeps most
// loads and dimensions so) is written as the shortest decimal of that float, 3.4 rather than
// 3.4000000953674316; any other number as the shortest decimal of the double.
#include "files/frame_json.h"

#include "files/shortest_decimal.h"

namespace {

using json = nlohmann::ordered_json;

double Readable(double value) {
    const float single = static_cast<float>(value);
    return static_cast<double>(single) == value ? ShortestDecimal(single) : value;
}

json LoadJson(const MemberLoad& load) {
    if (load.point)
        return {{"member", load.member}, {"a", Readable(load.a)}, {"P", Readable(load.P)}};
    return {{"member", load.member},
            {"a", Readable(load.a)},
            {"b", Readable(load.b)},
            {"qa", Readable(load.qa)},
            {"qb", Readable(load.qb)}};
}

json CaseJson(const FrameCaseRecord& c, int members) {
    json loads = json::array(), ends = json::array(), sections = json::array();
    for (const MemberLoad& load : c.loads.All()) loads.push_back(LoadJson(load));
    for (int m = 0; m < members; ++m) {
        const FrameResponse::Ends& e = c.endMoments[std::size_t(m)];
        ends.push_back({Readable(e.from), Readable(e.to)});
    }
    for (const FrameSectionResult& s : c.sections)
        sections.push_back({{"member", s.member},
                            {"x", Readable(s.x)},
                            {"M", Readable(s.M)},
                            {"N", Readable(s.N)},
                            {"S", Readable(s.S)}});
    return {{"name", c.name},
            {"loads", std::move(loads)},
            {"end_moments", std::move(ends)},
            {"sections", std::move(sections)}};
}

}  // namespace

nlohmann::ordered_json FrameRecordJson(const FrameRecord& record) {
    const FrameGeometry& g = record.geometry;
    json joints = json::array(), members = json::array(), supports = json::array(),
         cases = json::array();
    for (const FrameJoint& j : g.Joints()) joints.push_back({Readable(j.x), Readable(j.y)});
    for (const FrameBar& b : g.Members())
        members.push_back({{"from", b.from}, {"to", b.to}, {"t", Readable(b.t)}});
    for (const FrameSupport& s : g.Supports())
        supports.push_back({{"joint", s.joint}, {"x", s.x}, {"y", s.y}, {"rotation", s.rotation}});
    for (const FrameCaseRecord& c : record.cases) cases.push_back(CaseJson(c, g.memberCount));
    return {{"joints", std::move(joints)},
            {"members", std::move(members)},
            {"supports", std::move(supports)},
            {"cases", std::move(cases)}};
}
