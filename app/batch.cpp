// The batch mode.
#include "app/batch.h"

#include "calc/run.h"

int RunBatch(int, char**) {
    DesignConditions conditions;
    CalcTable table;
    RecordingMessenger messenger;
    return RunCalculation(conditions, table, messenger) == RunResult::Completed ? 0 : 1;
}
