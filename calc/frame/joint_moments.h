// Chapter III sections 1 and 2: stiffness ratios, the equilibrium system, joint moments.
#pragma once

#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "calc/record.h"

void ComputeJointMoments(TKakou& record, CalcTable& table, Messenger& messenger);
