// Chapter III section 3: member section forces, then the summary and the force figures.
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"

// The section forces of the four members, kept in the record.
void ComputeMemberForces(TBuzai& record);

// The member-force sheet ListBox2, the force summary, the member load figures and the
// moment and shear diagrams.
void WriteMemberForces(const TKakou& record, int loadCase, CalcTable& table);
