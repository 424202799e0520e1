// Load values.
#include "calc/loads/loads.h"

void ComputeLoads(TKakou& record, int) {
    ComputeLoadTerms(record);
}
void ComputeLoadTerms(TKakou&) {}
