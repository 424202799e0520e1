// Uplift and ground pressure of a box of cells.
#include "calc/cells/cell_stability.h"

#include "calc/section/quantities.h"

Stability CellStability(const TKakou& record, const CellDesign& design, const WaterInputs& water,
                        int foundation) {
    // One cell as wide as all the cells together, with as many haunches, has the concrete
    // and the inner space of the box.
    const int n = design.box.cells;
    TKakou whole = record;
    const bool lowerHaunches = HasLowerHaunches(record);
    whole.Bu = n * design.box.Bu;
    whole.Hab = n * double(record.Hab);
    whole.D3 = record.gammaC * (double(record.B) * record.Tb +
                                (lowerHaunches ? double(whole.Hab) * record.Hah : 0.0));
    const auto withReaction = [&](TBuzai& r, const CellCase& c) {
        r.Pv2L = c.reactionLeft;
        r.Pv2R = c.reactionRight;
    };
    withReaction(whole, design.cases.front());
    ExtraCases extra;
    for (std::size_t k = 1; k < design.cases.size(); ++k) {
        FrameCase& c = extra.cases[extra.count++];
        c.kind = design.cases[k].kind;
        c.record = whole;
        withReaction(c.record, design.cases[k]);
    }
    return ComputeStability(whole, extra, water, foundation);
}
