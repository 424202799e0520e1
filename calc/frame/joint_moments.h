// Chapter III sections 1 and 2: stiffness ratios, the equilibrium system, joint moments.
#pragma once

#include "calc/calc_table.h"
#include "calc/frame/frame_solution.h"
#include "calc/messenger.h"
#include "calc/record.h"

// Solves the frame and keeps its joint moments in the record; the solver tells a singular
// system through the messenger.
FrameSolution ComputeJointMoments(TLamen& record, Messenger& messenger);

// The load-term sheet ListBox3 and the joint-moment sheet ListBox5.
void WriteJointMoments(const TKakou& record, const FrameSolution& solution, CalcTable& table);
