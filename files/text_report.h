// The text report "Box.txt": the chapters of the calculation table's result tabs as CP932
// text with CR LF line ends; grids become lines of fixed-width fields ended by ";".
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "files/file_commit.h"

// Writes whatever the components hold, before or after a run, as one output of the commit.
FileResult WriteTextReport(FileCommit& commit, const std::string& path, const CalcTable& table);

// The same alone; the earlier file stays as it was when the write fails.
FileResult WriteTextReport(const std::string& path, const CalcTable& table);
