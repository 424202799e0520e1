// The design sections of a box of equal cells.
#include "calc/cells/cell_sections.h"

namespace {

// Entries of the one-cell bar schedule.
constexpr int kBottomCornerBar = 2, kTopCornerBar = 3, kWallBar = 4, kTopBar = 5, kBottomBar = 6;

// The one-cell sections, as rows of the section grid less one.
enum Row { kLA, kLM, kLB, kUB, kUM, kUC, kRC, kRM, kRD, kDD, kDM, kDA };

}  // namespace

std::vector<CellSectionLayout> CellSections(const CellBox& box) {
    std::vector<CellSectionLayout> s;
    const int n = box.cells;
    const auto number = [&](int span) { return n > 1 ? std::to_string(span + 1) : std::string(); };

    s.push_back({"側壁(L)下", box.LeftWall(), CellPlace::Start, MemberCode::L, false, 2,
                 kBottomCornerBar, kLA});
    s.push_back(
        {"側壁(L)M", box.LeftWall(), CellPlace::Span, MemberCode::L, false, 1, kWallBar, kLM});
    s.push_back(
        {"側壁(L)上", box.LeftWall(), CellPlace::End, MemberCode::L, false, 1, kTopCornerBar, kLB});
    for (int span = 0; span < n; ++span) {
        const int member = box.TopSpan(span);
        const std::string name = "頂版" + number(span);
        s.push_back({name + "左", member, CellPlace::Start, MemberCode::U, false, 1,
                     span == 0 ? kTopCornerBar : kTopOverMiddleBar, kUB});
        s.push_back({name + "M", member, CellPlace::Span, MemberCode::U, false, 1, kTopBar, kUM});
        s.push_back({name + "右", member, CellPlace::End, MemberCode::U, false, 1,
                     span == n - 1 ? kTopCornerBar : kTopOverMiddleBar, kUC});
    }
    s.push_back({"側壁(R)上", box.RightWall(), CellPlace::Start, MemberCode::R, false, 1,
                 kTopCornerBar, kRC});
    s.push_back(
        {"側壁(R)M", box.RightWall(), CellPlace::Span, MemberCode::R, false, 1, kWallBar, kRM});
    s.push_back({"側壁(R)下", box.RightWall(), CellPlace::End, MemberCode::R, false, 2,
                 kBottomCornerBar, kRD});
    for (int span = n - 1; span >= 0; --span) {
        const int member = box.BottomSpan(span);
        const std::string name = "底版" + number(span);
        s.push_back({name + "右", member, CellPlace::Start, MemberCode::B2, false, 2,
                     span == n - 1 ? kBottomCornerBar : kBottomOverMiddleBar, kDD});
        s.push_back(
            {name + "M", member, CellPlace::Span, MemberCode::B1, false, 1, kBottomBar, kDM});
        s.push_back({name + "左", member, CellPlace::End, MemberCode::B2, false, 2,
                     span == 0 ? kBottomCornerBar : kBottomOverMiddleBar, kDA});
    }
    for (int wall = 1; wall < n; ++wall) {
        const std::string name = "中壁" + std::to_string(wall);
        const bool left = 2 * wall <= n;  // a middle wall counts with the nearer outer wall
        s.push_back({name + "上", box.MiddleWall(wall), CellPlace::Start, MemberCode::L, true, 1,
                     kMiddleWallBar, left ? kLB : kRC});
        s.push_back({name + "下", box.MiddleWall(wall), CellPlace::End, MemberCode::L, true, 2,
                     kMiddleWallBar, left ? kLA : kRD});
    }
    return s;
}
