// The design-condition file (".dat"): the thirty texts, choice indices and the lower-haunch
// flag of the input page, one a line, CP932 with CR LF line ends; after them the extension
// lines with the T-load values, the first live-load caption, the bar-pitch setting and the
// figure controls (files/design_extension.h), which a reader of thirty lines passes over.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "files/file_commit.h"
#include "files/file_result.h"

// Writes the thirty lines and the extension; the earlier file stays as it was when the save
// fails. A value that a load would refuse (a control character, an index outside its choice)
// is not saved.
FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions);
// The same, staged as one output of the commit.
FileResult SaveDesignConditions(FileCommit& commit, const std::string& path,
                                const DesignConditions& conditions);

// Reads the whole file and checks every line before it changes anything: a file over 64 KiB,
// a missing line, bytes that are no CP932 text, a control character in a line, an index line
// that is no item of its choice or a bad extension line leave `conditions` untouched and the
// message names the line. Fields the file does not hold (all of the extension's, in a file
// of thirty lines) keep their values.
FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions);
