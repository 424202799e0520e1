// The table of a design study as CSV: one row a design, CP932 with CR LF line ends, which
// spreadsheets in Japanese open directly.
#pragma once

#include <string>

#include "calc/design_conditions.h"
#include "calc/study/study_table.h"
#include "files/file_commit.h"
#include "files/file_result.h"

// What a study's table belongs to, named on the lines above it.
struct StudySubject {
    std::string designFile;       // the design-condition file's name; empty when there is none
    DesignConditions conditions;  // the conditions the study started from
    std::string date;             // the day the table is written
};

// The file's bytes. First the lines naming the design ("title,value": the design-condition
// file, B, H, Tu, TL, Tb, σck, the steel grade and the date) and an empty line. Then the table:
// each varied input under its name, the load case, the overall verdict, the largest utilisation
// (to 0.001) with its section and criterion, then for each design section σc, σs, τ, τ2d (N/mm2,
// to 0.01), the bar ("D16") and its pitch (mm), the concrete (m³/m) and main steel (kg/m, empty
// when the bar search found no bars), and last the run's messages. A value the section-design
// table shows as "-" is an empty field; a design that stopped has its message and nothing
// else. A character without a CP932 form is written as "?".
std::string StudyCsv(const StudySubject& subject, const StudyTable& table);

// Writes through a temporary file, so that a failed or interrupted write leaves no
// half-written table behind.
FileResult WriteStudyCsv(const std::string& path, const StudySubject& subject,
                         const StudyTable& table);
// The same, staged as one output of the commit, formatted a block of rows at a time as it
// is written, so that the table is never held whole as text.
FileResult WriteStudyCsv(FileCommit& commit, const std::string& path, const StudySubject& subject,
                         const StudyTable& table);
