// The load values of chapter II, ending with the load terms of the frame.
#pragma once

#include "calc/record.h"

// Fills the load values of the record for the load case (1..5), then the load terms.
void ComputeLoads(TKakou& record, int loadCase);
// Load terms Cab..Cad and the storey term Astory from the stored load values.
void ComputeLoadTerms(TKakou& record);
