// The closed frame of a one-cell box as a general plane frame: joints A(0,0), B(0,Ho),
// C(Bo,Ho), D(Bo,0); members AB, CD, BC, DA in this order and direction, so that the end
// moments of member k pair with Mab/Mba, Mcd/Mdc, Mbc/Mcb, Mda/Mad.
#pragma once

#include "calc/cells/frame_record.h"
#include "calc/cells/plane_frame.h"
#include "calc/record.h"
#include "calc/water/load_cases.h"

enum OneCellMember { kMemberAB, kMemberCD, kMemberBC, kMemberDA };

// Members of thickness TL, TL, Tu, Tb; held at A in x and y and at D in y.
FrameGeometry OneCellGeometry(const TData& record);

// The loads of the record's case as the load terms see them, all acting into the box (to the
// right of the clockwise members, hence negative): wall pressures Ph4→Ph3 on AB and Ph1→Ph2
// on CD, the uniform load, the rear-wheel band over min(W1, Bo) centred and the front-wheel
// band over L1 against C on BC, the ground reaction Pv2R→Pv2L on DA. Loads of zero are left
// out.
FrameLoads OneCellLoads(const TKazyu& record);

// The documented case and the water cases as a reviewer rebuilds them: each case's loads, its
// own joint moments, and its member forces at the start, the span maximum and the end of
// each member, as the documented route computed them.
FrameRecord OneCellFrameRecord(const TBuzai& documented, const ExtraCases& extra);
