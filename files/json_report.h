// Every component of the calculation table as JSON, with the messages the run showed: lists,
// grids, labels and charts by component name, colours as "#rrggbb".
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "files/file_commit.h"

nlohmann::ordered_json CalcTableToJson(const CalcTable& table,
                                       const std::vector<std::string>& messages);

// Writes the JSON as UTF-8, as one output of the commit.
FileResult WriteJsonReport(FileCommit& commit, const std::string& path, const CalcTable& table,
                           const std::vector<std::string>& messages);
