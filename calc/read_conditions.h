// Reading the design conditions into the record, and checking them.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/record.h"

// Converts every entry and derives geometry, self weights and coefficients. Throws
// ConversionError at the first text that is no number, in reading order. A derived quantity
// that cannot be computed (a division by zero, a value too large for its field) does not
// stop the reading, so that the checks still see every entry: the result then names the
// first such quantity and the entries it is formed from, for the run to report once the
// checks have passed.
std::optional<std::string> ReadDesignConditions(const DesignConditions& conditions, TKakou& record);

// The field that the first conversion error of ReadDesignConditions names; empty when every
// entry converts.
std::string UnconvertibleField(const DesignConditions& conditions);
// The T load of the T-load dialog: its weight in t (P1 is four times it, in kN), the axle
// distance and the impact depth in m. Throws ConversionError as ReadDesignConditions does.
struct TLoad {
    double P1 = 0, axleDistance = 0, impactDepth = 0;
};
TLoad ReadTLoad(const std::string& weight, const std::string& axleDistance,
                const std::string& impactDepth);

// The checks of a T load's own values, for the run and for the T-load dialog before it
// transfers them: the first line of each failed check's message, in order. A zero weight
// passes: it means no wheel load.
std::vector<std::string> TLoadFailures(const TLoad& load);

// Shows a failed check's message with the request to correct the entry.
void ReportInputError(Messenger& messenger, const std::string& failure);

// An entry of the design conditions, by its member.
using ConditionEntry = std::string DesignConditions::*;

// A check the record fails: the first line of its message; the entries it is about by the
// names their conversion errors give them, the one the message names first; and every entry
// the check reads.
struct FailedCheck {
    std::string message;
    std::vector<std::string> fields;
    std::vector<ConditionEntry> reads;
};
// The checks in order; those that fail.
std::vector<FailedCheck> FailedChecks(const TKakou& record);

// The section-force reduction coefficient β of the live load, from the cover and the inner
// width of a cell.
double LiveLoadReduction(Single h1, double Bu);

// Runs all checks in order, one message a failed check; 0 when all passed, 1 otherwise. A
// check that reads one of the entries left out is skipped: a study that varies them checks
// them design by design.
int CheckDesignConditions(const TKakou& record, Messenger& messenger,
                          std::span<const ConditionEntry> leftOut = {});

// The entries of the first check that the conditions fail, as FailedCheck names them; empty
// when every check passes or an entry is no number.
std::vector<std::string> FirstFailedCheckFields(const DesignConditions& conditions);
