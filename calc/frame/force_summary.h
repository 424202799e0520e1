// The section-force summary: M, N, S and S2d of the twelve design sections.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "calc/record.h"

// Fills StringGrid1 and the same cells, columns 1 to 4, of StringGrid3.
void ShowForceSummary(const TKakou& record, CalcTable& table);

// A force as the summary shows it: signed, two decimals.
std::string ForceText(Single value);
