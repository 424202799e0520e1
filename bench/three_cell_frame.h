// A three-cell box and its wheel positions for the frame solver's timing and instruction
// counts.
#pragma once

#include <algorithm>

#include "calc/cells/plane_frame.h"
#include "tests/calc/cells/box_frames.h"

namespace three_cell_frame {

using box_frames::Line;

constexpr double kSpan = 3.0, kHeight = 3.0;

inline box_frames::Box ThreeCells() {
    return box_frames::EqualCells(3, kSpan, kHeight, 0.45, 0.4, 0.5, 0.3);
}

// Earth on the walls and slabs, and a 1.5 m wheel band starting at x on the top slab.
inline FrameLoads WheelPosition(const box_frames::Box& box, double x) {
    FrameLoads loads;
    loads.Add(Line(box.Wall(0), 0, kHeight, -55, -30));
    loads.Add(Line(box.Wall(3), 0, kHeight, 55, 30));
    for (int i = 0; i < 3; ++i) {
        loads.Add(Line(box.TopSlab(i), 0, kSpan, -60, -60));
        loads.Add(Line(box.BottomSlab(i), 0, kSpan, -70, -70));
        const double a = std::max(x - i * kSpan, 0.0), b = std::min(x + 1.5 - i * kSpan, kSpan);
        if (b > a) loads.Add(Line(box.TopSlab(i), a, b, -40, -40));
    }
    return loads;
}

}  // namespace three_cell_frame
