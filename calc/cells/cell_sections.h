// The design sections of a box of equal cells and the bars that serve them: the outer walls
// at the bottom, the largest span moment and the top; each middle wall at its top and bottom;
// each top and bottom slab span at its left end, its largest span moment and its right end.
#pragma once

#include <string>
#include <vector>

#include "calc/cells/box_frame.h"
#include "calc/section/section_stress.h"

enum class CellPlace { Start, Span, End };  // along the member from its `from` joint

// Entries of the bar schedule of a box of cells: those of the one-cell box (stress type,
// common pitch, bars ② ① ⑤ ③ ④), then the top slab's bars over the middle walls ⑥, the
// bottom slab's ⑦ and the middle walls' bars ⑧ (alike on both faces).
inline constexpr int kCellBarEntries = 10;
inline constexpr int kTopOverMiddleBar = 7, kBottomOverMiddleBar = 8, kMiddleWallBar = 9;

struct CellSectionLayout {
    std::string name;  // as the sheet names it, for example "頂版2左" or "中壁1下"
    int member = 0;
    CellPlace where = CellPlace::Start;
    MemberCode code = MemberCode::L;  // a middle wall is reckoned as a wall of thickness Tm
    bool middleWall = false;
    int judgementType = 1;  // 2 at every bottom joint, where a haunch may be missing
    int bar = 0;            // entry of the bar schedule
    int row = 0;            // the one-cell design section (0..11) whose kind it is, for studies
};

// In the order of the sheet: the left wall, the top spans left to right, the right wall, the
// bottom spans right to left, the middle walls left to right.
std::vector<CellSectionLayout> CellSections(const CellBox& box);
