// How a report command ended, with the message the window shows for it.
#pragma once

#include <string>

enum class ReportResult { Success, Cancelled, PrintError, FileError };

struct ReportOutcome {
    ReportResult result = ReportResult::Success;
    std::string message;  // empty on success and cancel

    bool Succeeded() const { return result == ReportResult::Success; }
};
