// Where the largest span moment of a member lies: the zero of its shear, found by closed
// form on the walls and the bottom slab and by a stepping search on the top slab.
#pragma once

#include "calc/frame/member_model.h"
#include "calc/single.h"

// The coefficients of the shear a·x² + b·x + c, each held as a 4-byte Single.
struct ShearQuadratic {
    Single a = 0, b = 0, c = 0;
};

// Side wall; the quadratic gives the distance of the zero from the start joint, or from the
// end joint when fromEnd is set. The result always lies in the wall: the smaller root when it
// does, the zero of a linear shear when it does, otherwise the point of the largest moment
// among both ends and any zero of the shear within the wall.
Single SideWallMaxPosition(const FrameMember& wall, const ShearQuadratic& shear, bool fromEnd);

// Bottom slab; equalLoads when the reactions at both ends are equal. The quadratic gives the
// distance of the zero from the end joint A.
Single BottomSlabMaxPosition(const FrameMember& slab, const ShearQuadratic& shear, bool equalLoads);

// First point of the 1 mm search grid from B at which the shear is negative; 99.0 when there
// is none within the span.
Single FindTopSlabMaxPosition(const FrameMember& slab);
