// The design-condition file (".dat"): the thirty texts, choice indices and the lower-haunch
// flag of the input page, one a line, CP932 with CR LF line ends; after them the extension
// lines with the T-load values, the first live-load caption, the bar-pitch setting and the
// figure controls (files/design_extension.h), which a reader of thirty lines passes over.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "files/file_result.h"

// Writes the thirty lines and the extension; the earlier file stays as it was when the save
// fails.
FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions);

// Reads the whole file and checks every line before it changes anything: a missing line, an
// index line that is no integer or bytes that are no CP932 text leave `conditions` untouched
// and the message names the line; so does a bad extension line. An index beyond its choice
// selects the last item, a negative one no item (-1). Fields the file does not hold (all of
// the extension's, in a file of thirty lines) keep their values.
FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions);
