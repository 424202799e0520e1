// Chapter I.
#include "calc/loads/condition_summary.h"

void WriteConditionSummary(const TKakou&, const DesignConditions&, CalcTable&) {}
