// Names of the design sections and criteria as the tables of a study show them.
#pragma once

#include <string>
#include <vector>

#include "calc/study/design_result.h"

// The twelve design sections in the order of the section-design table.
const std::vector<std::string>& DesignSectionNames();
// "σc", "σs", "τ", "τ2d".
const char* CriterionName(Criterion criterion);
