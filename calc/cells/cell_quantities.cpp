// Quantities per metre of a box of cells.
#include "calc/cells/cell_quantities.h"

#include <array>

namespace {

struct CellMark {
    int entry;
    Single length;
    int count;
};

// The bars ⑥ ⑦ ⑧ of the box.
std::array<CellMark, 3> CellMarks(const CellDesign& design, const CellBarLengths& lengths) {
    const int walls = design.box.cells - 1;
    return {{{kTopOverMiddleBar, lengths.top.length, walls},
             {kBottomOverMiddleBar, lengths.bottom.length, walls},
             {kMiddleWallBar, lengths.wall.length, 2 * walls}}};
}

}  // namespace

bool CellBarsFound(const CellDesign& design, const CellBarLengths& lengths) {
    if (!BarsFound(OuterBarSchedule(design.bars), lengths.outer)) return false;
    for (const CellMark& mark : CellMarks(design, lengths))
        if (!UnitMass(design.bars[std::size_t(mark.entry)]) || !(mark.length > 0)) return false;
    return true;
}

double CellFormworkArea(const TData& record, const CellBox& box) {
    TData cell = record;
    cell.Bu = box.Bu;
    const double outerWalls = 2.0 * record.H;
    return outerWalls + box.cells * (FormworkArea(cell) - outerWalls);
}

Quantities ComputeCellQuantities(const TData& record, const CellDesign& design,
                                 const CellBarLengths& lengths) {
    Quantities q;
    q.concrete = design.concrete;
    q.formwork = CellFormworkArea(record, design.box);
    q.pitch = design.bars[1];
    if (!CellBarsFound(design, lengths)) return q;
    q.steel = MainBarSteel(OuterBarSchedule(design.bars), lengths.outer);
    for (const CellMark& mark : CellMarks(design, lengths)) {
        BarQuantity bar;
        bar.diameter = design.bars[std::size_t(mark.entry)];
        bar.length = mark.length;
        bar.count = mark.count;
        bar.unitMass = *UnitMass(bar.diameter);
        AddBarMass(*q.steel, bar, q.pitch);
        q.steel->cellBars.push_back(bar);
    }
    return q;
}
