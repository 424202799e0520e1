// What the main window's commands need of the design-condition file, the text report and
// the drawing, as functions so that tests can stand in for the disk. A failed operation
// returns its message; the load leaves the conditions unchanged when it fails.
#pragma once

#include <functional>
#include <string>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "files/design_file.h"
#include "files/dxf_file.h"
#include "files/file_result.h"
#include "files/text_report.h"

struct FileFunctions {
    std::function<FileResult(const std::string& path, const DesignConditions& conditions)> save;
    std::function<FileResult(const std::string& path, DesignConditions& conditions)> load;
    std::function<FileResult(const std::string& path, const CalcTable& table)> writeTextReport;
    std::function<FileResult(const std::string& path, const CalcTable& table,
                             const SheetTitle& title)>
        writeDrawing;
};

// The program's file functions.
inline FileFunctions ProgramFileFunctions() {
    return {[](const std::string& path, const DesignConditions& conditions) {
                return ::SaveDesignConditions(path, conditions);
            },
            LoadDesignConditions,
            [](const std::string& path, const CalcTable& table) {
                return ::WriteTextReport(path, table);
            },
            [](const std::string& path, const CalcTable& table, const SheetTitle& title) {
                return ::WriteSectionDxf(path, table, title);
            }};
}
