// The frame as the force diagrams draw it: origin at the centre of the axes rectangle, A
// bottom left, B top left, C top right, D bottom right, in m. A value v is drawn at v/50 m
// from the member axis.
#pragma once

#include <array>
#include <string>

#include "calc/calc_table.h"
#include "calc/frame/member_model.h"
#include "calc/record.h"

inline constexpr int kDiagramSamples = 10;  // intervals along a member; 11 sample points
inline constexpr double kDiagramScale = 50;

// Sample positions from the start joint.
Single SamplePosition(const FrameMember& member, int i);

// A member in the plane of the frame: its start joint, the direction of its x and the
// direction towards the inside of the frame.
struct DiagramMember {
    MemberId id;
    double startX, startY;
    double alongX, alongY;
    double inwardX, inwardY;
    // The point at x along the member, drawn the offset towards the inside.
    double X(double x, double inward) const { return startX + alongX * x + inwardX * inward; }
    double Y(double x, double inward) const { return startY + alongY * x + inwardY * inward; }
};

// The members in the order A→B→C→D→A, each ending at the next corner.
std::array<DiagramMember, 4> DiagramMembers(double halfB, double halfH);

// The frame outline A, B, C, D, A from the axes polygon, as a black line with joint names.
void DrawFrameOutline(const TData& record, Chart& chart, const std::string& name, int lineWidth);
