// The design-condition file (".dat"): the thirty texts, choice indices and the lower-haunch
// flag of the input page, one a line, CP932 with CR LF line ends. The T-load values, the
// first live-load caption and the bar-pitch setting are not in the file.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "files/file_result.h"

// Writes the thirty lines; the earlier file stays as it was when the save fails. A value that
// a load would refuse (a control character, an index outside its choice) is not saved.
FileResult SaveDesignConditions(const std::string& path, const DesignConditions& conditions);

// Reads the whole file and checks every line before it changes anything: a file over 64 KiB,
// a missing line, bytes that are no CP932 text, a control character in a line or an index
// line that is no item of its choice leave `conditions` untouched and the message names the
// line. Fields the file does not hold keep their values.
FileResult LoadDesignConditions(const std::string& path, DesignConditions& conditions);
