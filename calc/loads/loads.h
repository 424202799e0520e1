// The load values of chapter II, ending with the load terms of the frame.
#pragma once

#include "calc/record.h"

void ComputeLoads(TKakou& record, int loadCase);
void ComputeLoadTerms(TKakou& record);
