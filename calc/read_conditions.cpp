// Reading and checking the design conditions.
#include "calc/read_conditions.h"

void ReadDesignConditions(const DesignConditions& conditions, TKakou& record) {
    (void)conditions;
    (void)record;
}

int CheckDesignConditions(const TKakou& record, Messenger& messenger) {
    (void)record;
    (void)messenger;
    return 0;
}
