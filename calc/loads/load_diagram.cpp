// The acting-load diagram.
#include "calc/loads/load_diagram.h"

void DrawLoadDiagram(const TKakou&, int, CalcTable&) {}
