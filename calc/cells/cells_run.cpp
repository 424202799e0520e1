// The stages of a box of two or three cells.
#include "calc/cells/cells_run.h"

#include "calc/cells/cell_bar_sheet.h"
#include "calc/cells/cell_design.h"
#include "calc/cells/cell_quantities.h"
#include "calc/cells/cell_section_drawing.h"
#include "calc/cells/cell_sheet.h"
#include "calc/cells/cell_stability.h"
#include "calc/loads/loads.h"
#include "calc/section/quantity_sheet.h"
#include "calc/water/stability.h"
#include "calc/water/stability_sheet.h"

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
    {"主鉄筋加工寸法の計算",
     [](RunState& s) {
         RunWork& w = s.work;
         w.cellBars = ComputeCellBarLengths(w.record, w.cells.box, w.cells.bars);
         if (const auto message = UnbuildableBarsMessage(w.cellBars.outer))
             s.messenger.Inform(*message);
     },
     [](const RunState& s, CalcTable& t) {
         WriteCellBars(s.work.record, s.work.cells, s.work.cellBars, t);
     }},
    {"主鉄筋図の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) {
         DrawCellMainRebar(s.work.record, s.work.cells, s.work.cellBars, t);
     }},
    {"数量の計算",
     [](RunState& s) {
         RunWork& w = s.work;
         w.quantities = ComputeCellQuantities(w.record, w.cells, w.cellBars);
     },
     [](const RunState& s, CalcTable& t) { WriteQuantities(s.work.quantities, t, 3); }},
    {"図面の作成", NothingToCompute,
     [](const RunState& s, CalcTable& t) {
         DrawCellSection(s.work.record, s.work.cells, s.work.cellBars, s.work.loadCase,
                         s.conditions.steelGrade, t);
     }},
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
     [](const RunState& s, CalcTable& t) {
         // Uplift and ground pressure of the whole box follow the loads of chapter Ⅱ.
         t.stability = s.work.stability;
         if (s.work.stability)
             WriteStabilitySheet(2, s.work.record, s.work.water, *s.work.stability,
                                 t.lists[kCellLoadSheet]);
     }},
};

}  // namespace

std::span<const Stage> CellStages() {
    return kCellStages;
}
