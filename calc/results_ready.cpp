// The gate of the result commands.
#include "calc/results_ready.h"

bool ResultsReady(const CalcTable& table, Messenger& messenger) {
    if (!table.completedRun) messenger.Warn(kNoResultsMessage);
    return table.completedRun;
}
