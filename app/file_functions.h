// What the main window's commands need of the design-condition file and the text report.
// Each function reports a failure by throwing an exception whose text is the message to show;
// the load leaves the conditions unchanged when it fails.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"

struct FileFunctions {
    std::function<void(const std::string& path, const DesignConditions& conditions)> save;
    std::function<void(const std::string& path, DesignConditions& conditions)> load;
    std::function<void(const std::string& path, const CalcTable& table)> writeTextReport;
};

// The message of a command that the program cannot carry out yet.
inline const char* const kNotAvailableYet = "この機能はまだ使えません。";

// The program's file functions.
inline FileFunctions ProgramFileFunctions() {
    const auto unavailable = [](auto&&...) { throw std::runtime_error(kNotAvailableYet); };
    return {unavailable, unavailable, unavailable};
}
