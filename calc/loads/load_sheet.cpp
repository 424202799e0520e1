// The load calculation sheet.
#include "calc/loads/load_sheet.h"

void WriteLoadSheet(const TKakou&, int, const DesignConditions&, CalcTable&) {}
