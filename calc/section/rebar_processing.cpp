// Main-bar processing dimensions.
#include "calc/section/rebar_processing.h"

void ComputeRebarProcessing(TKakou&, const BarSchedule&, CalcTable&) {}
