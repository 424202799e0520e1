// The one gate of every command that shows, prints or exports results. The result components
// hold one design's results only after a run that completed: before the first run they hold
// placeholders, and a run that stopped may have left another design's chapters beside its
// own. So until a run completes, nothing is exported.
#pragma once

#include "calc/calc_table.h"
#include "calc/messenger.h"

inline constexpr const char* kNoResultsMessage = "計算結果がありません。計算開始を押して下さい。";

// True when the table holds the results of a completed run; otherwise warns with
// kNoResultsMessage and returns false, and the command produces nothing.
bool ResultsReady(const CalcTable& table, Messenger& messenger);
