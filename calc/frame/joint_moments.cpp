// Joint moments.
#include "calc/frame/joint_moments.h"

void ComputeJointMoments(TKakou&, CalcTable&, Messenger&) {}
