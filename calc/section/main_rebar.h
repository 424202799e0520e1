// Chapter V: the main-reinforcement drawing (Chart13).
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/work_arrays.h"

struct ArcOffset {
    double dx = 0;
    double dy = 0;
};

// Point i (0 to 5) of a quarter circle of radius R (mm), in m from the corner of its square:
// point 0 lies on the straight leg, point 5 on the horizontal part.
ArcOffset ArcOffsets(int i, double R);

void DrawMainRebar(const TKakou& record, const BarSchedule& barSchedule, CalcTable& table);
