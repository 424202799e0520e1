// The lines of the design-condition file after its thirty fixed lines: what the T-load
// dialog, the first live-load caption, the bar-pitch setting, the figure controls and the
// report's header hold, and the water and ground entries and the cell entries of a design
// that uses them. Each is "KEY=value", so a reader that stops after line thirty still reads
// the file, and a file without them (or with only some) leaves the missing entries as they
// are, except these: the header's entries, written only when given, are empty when missing,
// and the water and ground entries and the cell entries, each written only for a design that
// uses them, are then the defaults.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "calc/design_conditions.h"

// The extension lines of the conditions, in the order they are written, without line ends.
std::vector<std::string> ExtensionLines(const DesignConditions& conditions);

struct ExtensionError {
    std::size_t line;    // index into the lines given to the reader
    std::string reason;  // says what is wrong with it
};

// Applies the extension lines (text after line thirty, without line ends) to `conditions`,
// all or nothing: on the first bad line nothing changes and the error names it. Blank lines
// are allowed anywhere.
std::optional<ExtensionError> ReadExtensionLines(const std::vector<std::string>& lines,
                                                 DesignConditions& conditions);
