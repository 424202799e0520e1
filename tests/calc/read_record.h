// Reads design conditions into a fresh record, for the tests of reading, checking and the run.
#pragma once

#include <memory>

#include "calc/read_conditions.h"

inline std::unique_ptr<TKakou> ReadRecord(const DesignConditions& conditions) {
    auto record = std::make_unique<TKakou>();
    ReadDesignConditions(conditions, *record);
    return record;
}
