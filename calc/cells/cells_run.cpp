// The stages of a box of two or three cells.
#include "calc/cells/cells_run.h"

#include "calc/cells/cell_design.h"
#include "calc/cells/cell_sheet.h"
#include "calc/cells/cell_stability.h"
#include "calc/loads/loads.h"
#include "calc/water/stability.h"

namespace {

constexpr Stage kCellStages[] = {
    {"荷重値の計算",
     [](RunState& s) {
         // The load values of the box as a whole, which the loads of every sub-case start from.
         ComputeLoads(s.work.record, s.work.loadCase);
     },
     NothingToWrite},
    {"ラーメン解析・部材断面計算",
     [](RunState& s) {
         RunWork& w = s.work;
         w.cells = DesignCells(w.record, w.loadCase, w.water, s.conditions, s.messenger);
     },
     [](const RunState& s, CalcTable& t) { WriteCellChapters(s.work, s.conditions, t); }},
    {"水位・安定計算",
     [](RunState& s) {
         RunWork& w = s.work;
         if (w.water.Any())
             w.stability = CellStability(w.record, w.cells, w.water, s.conditions.foundation);
         // The usual range of one cell's inner width.
         TData cell = w.record;
         cell.Bu = w.cells.box.Bu;
         w.warnings = ApplicabilityWarnings(cell);
     },
     NothingToWrite},
};

}  // namespace

std::span<const Stage> CellStages() {
    return kCellStages;
}
