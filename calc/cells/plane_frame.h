// A plane frame of rigid-jointed prismatic members and the loads of one case on it: the
// model that boxes of one to three cells share, independent of how it is solved. Lengths in
// m, line loads in kN/m, forces in kN, moments in kN·m, all per metre of culvert.
#pragma once

#include <array>
#include <span>

inline constexpr int kMaxFrameJoints = 8;
inline constexpr int kMaxFrameMembers = 10;
inline constexpr int kMaxFrameSupports = 4;
inline constexpr int kMaxMemberLoads = 48;

struct FrameJoint {
    double x = 0, y = 0;
    bool operator==(const FrameJoint&) const = default;
};

// A member from joint `from` to joint `to`, of thickness t (I = t³/12 per metre).
struct FrameBar {
    int from = 0, to = 0;
    double t = 0;
    bool operator==(const FrameBar&) const = default;
};

// A joint held against translation in x, in y, or against rotation. A box on its ground
// holds only its rigid-body modes: the bottom-left joint in x and y, the bottom-right joint
// in y; loads out of balance then go into these supports.
struct FrameSupport {
    int joint = 0;
    bool x = false, y = false, rotation = false;
    bool operator==(const FrameSupport&) const = default;
};

// A load on a member, perpendicular to it and positive to the left when walking from its
// `from` joint to its `to` joint: a line load varying linearly from qa at distance a to qb at
// distance b (a < b), or a point load P at distance a (point == true; b, qa, qb unused).
struct MemberLoad {
    int member = 0;
    double a = 0, b = 0, qa = 0, qb = 0;
    bool point = false;
    double P = 0;
    bool operator==(const MemberLoad&) const = default;
};

struct FrameGeometry {
    std::array<FrameJoint, kMaxFrameJoints> joints{};
    std::array<FrameBar, kMaxFrameMembers> members{};
    std::array<FrameSupport, kMaxFrameSupports> supports{};
    int jointCount = 0, memberCount = 0, supportCount = 0;

    std::span<const FrameJoint> Joints() const { return {joints.data(), std::size_t(jointCount)}; }
    std::span<const FrameBar> Members() const { return {members.data(), std::size_t(memberCount)}; }
    std::span<const FrameSupport> Supports() const {
        return {supports.data(), std::size_t(supportCount)};
    }
    int AddJoint(double x, double y) {
        joints[std::size_t(jointCount)] = {x, y};
        return jointCount++;
    }
    int AddMember(int from, int to, double t) {
        members[std::size_t(memberCount)] = {from, to, t};
        return memberCount++;
    }
    void AddSupport(const FrameSupport& support) {
        supports[std::size_t(supportCount++)] = support;
    }
    bool operator==(const FrameGeometry&) const = default;
};

struct FrameLoads {
    std::array<MemberLoad, kMaxMemberLoads> loads{};
    int count = 0;

    std::span<const MemberLoad> All() const { return {loads.data(), std::size_t(count)}; }
    void Add(const MemberLoad& load) { loads[std::size_t(count++)] = load; }
    bool operator==(const FrameLoads&) const = default;
};
