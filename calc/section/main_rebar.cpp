// The main-reinforcement drawing.
#include "calc/section/main_rebar.h"

void DrawMainRebar(const TKakou&, const BarSchedule&, CalcTable&) {}
