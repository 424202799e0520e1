// The design-condition file (".dat"): the thirty texts, choice indices and the lower-haunch
// flag of the input page, one a line, CP932 with CR LF line ends. The T-load values, the
// first live-load caption and the bar-pitch setting are not in the file.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "files/file_result.h"

// Writes the thirty lines; the earlier file stays as it was when the save fails.
FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions);

// Reads the whole file and checks every line before it changes anything: a missing line, an
// index line that is no integer or bytes that are no CP932 text leave `conditions` untouched
// and the message names the line. An index beyond its choice selects the last item, a
// negative one no item (-1). Fields the file does not hold keep their values.
FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions);
