// The run of a box of two or three cells.
#include "calc/cells/cells_run.h"

RunResult ComputeCellsRun(const DesignConditions&, RunWork&, Messenger& messenger, CalcTable*) {
    messenger.Warn("セル数2以上の計算はこの版ではできません。");
    return RunResult::CheckFailed;
}
