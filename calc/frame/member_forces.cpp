// Member section forces.
#include "calc/frame/member_forces.h"

void ComputeMemberForces(TKakou&, int, CalcTable&) {}
