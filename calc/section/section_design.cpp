// Section design.
#include "calc/section/section_design.h"

void DesignSections(TKakou&, const DesignConditions&, BarSchedule&, SectionSteel&, CalcTable&,
                    Messenger&) {}
