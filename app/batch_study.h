// Design studies in batch mode: sweeps written as a CSV table, and sizing.
#pragma once

#include <atomic>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/study/sweep.h"

struct StudyOptions {
    std::vector<SweepRange> sweeps;      // --sweep, once or twice
    std::optional<std::string> csvPath;  // --csv; "-" is standard output
    bool size = false;                   // --size
    std::optional<std::string> outPath;  // --out, the sized design file
    std::string inputFile;               // the design file read, which no output replaces

    bool Requested() const { return !sweeps.empty() || size; }
};

// Exit status of a run stopped by Ctrl-C: nothing was written.
inline constexpr int kInterrupted = 130;

// Adds one --sweep range; false with the reason when it cannot be added.
bool AddSweep(StudyOptions& options, const std::string& text, std::string& error);
// Whether the options go together; the reason when not.
bool CheckStudyOptions(const StudyOptions& options, std::string& error);

// The --help text on the study options, with the names a sweep takes.
std::string StudyUsage();

// Runs the study on the conditions. Exit status: 0 every design passes (sizing: a box was
// found), 3 a design fails or stopped with a message (sizing: no box passes), 1 a file
// error, a base that is no number or a study too large for the memory left, kInterrupted
// when cancel was set before its output began to be put in place. Progress goes to err as
// a line that rewrites itself when showProgress is set.
int RunStudy(const DesignConditions& conditions, const StudyOptions& options, std::ostream& out,
             std::ostream& err, const std::atomic<bool>& cancel, bool showProgress);
