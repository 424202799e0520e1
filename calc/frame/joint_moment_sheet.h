// Chapter III section 2: stiffness ratios, the equilibrium system, rotations, joint moments
// and their check at each joint.
#pragma once

#include "calc/frame/frame_solution.h"
#include "calc/record.h"
#include "calc/sheet/chapter_list.h"

void WriteJointMomentSheet(const TKakou& record, const FrameSolution& solution, ChapterList& list);
