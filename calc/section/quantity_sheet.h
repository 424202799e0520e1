// Chapter V: the quantities per metre of culvert (StringGrid4, its note Label98).
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "calc/record.h"
#include "calc/section/quantities.h"
#include "calc/work_arrays.h"

// Column titles and first column of the quantity grid before any run.
extern const char* const kQuantityTitles;
extern const char* const kQuantityItems;
// The note under the grid.
extern const char* const kQuantityNote;
extern const char* const kNoSteelNote;

// The lines of the note under the grid as it stands now.
std::vector<std::string> QuantityNoteLines(const CalcTable& table);

// Fills the grid and its note, and keeps the numbers in the table for the files. A box of
// cells has cellMarks bars beyond ⑤ (the steel's cellBars).
void WriteQuantities(const Quantities& quantities, CalcTable& table, int cellMarks = 0);
