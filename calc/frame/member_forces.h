// Chapter III section 3: member section forces, then the summary and the force figures.
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"

void ComputeMemberForces(TKakou& record, int loadCase, CalcTable& table);
