// The four members of the frame as their section-force functions see them. Positions x run
// from the member's start joint (A→B, C→D, B→C, D→A); a positive start shear makes the
// moment grow with x, and the loads act so that the moment decreases.
#pragma once

#include "calc/record.h"

enum class MemberId { AB, CD, BC, DA };

// Where the wheel bands lie on the top slab, m. L1 is the start of the rear-wheel band seen
// from B (negative when the band is wider than the span), L2 its loaded width, L3 the length
// of the front-wheel band lying against C.
struct TopSlabBands {
    long double h1d = 0, W1 = 0, L1 = 0, L2 = 0, L3 = 0;
};

TopSlabBands ComputeTopSlabBands(const TData& record);

struct FrameMember {
    bool topSlab = false;
    long double length = 0;
    // Walls and bottom slab: a load varying linearly from the start joint to the end joint.
    long double startLoad = 0, endLoad = 0;
    // Top slab: the uniform load and the two wheel bands.
    long double uniformLoad = 0, rearLoad = 0, frontLoad = 0;
    TopSlabBands bands;
    long double startShear = 0, startMoment = 0;
};

// The member with its loads, its start-joint moment and its stored start shear.
FrameMember MemberOf(const TBuzai& record, MemberId id);

long double ShearAt(const FrameMember& member, long double x);
long double MomentAt(const FrameMember& member, long double x);
