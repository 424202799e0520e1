// The quantities per metre as CSV for a spreadsheet: the rows of the quantity grid, then its
// note, in CP932 with CR LF line ends.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "files/file_commit.h"
#include "files/file_result.h"

// Throws EncodingError for a text without a CP932 form.
std::string QuantityCsv(const CalcTable& table);

// Staged as one output of the commit.
FileResult WriteQuantityCsv(FileCommit& commit, const std::string& path, const CalcTable& table);
