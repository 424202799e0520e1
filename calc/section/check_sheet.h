// The summary of the checks ("照査一覧", StringGrid5): one row a design section with its
// depths, bars, forces, each stress over its allowable value with that value, the shear
// check that governs and the verdict.
#pragma once

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/section/section_design.h"

// Column titles of the summary grid.
extern const char* const kCheckTitles;
// The note under the summary.
extern const char* const kCheckNote;

// Fills the summary grid from the section grid the run has written and the sections' checks,
// and keeps the numbers in the table for the files.
void WriteSectionChecks(const TData& record, bool lowerHaunch, const SectionDesign& sections,
                        CalcTable& table);
