// A frame and its load cases as JSON, for a reviewer to rebuild each case in another frame
// program: joints [x, y], members {from, to, t}, supports {joint, x, y, rotation}, and cases
// {name, loads, end_moments, sections}. A line load is {member, a, b, qa, qb}, a point load
// {member, a, P}; both perpendicular to the member, positive to the left walking from `from`
// to `to`. End moments per member [at from, at to], clockwise positive on the member's end.
#pragma once

#include <nlohmann/json.hpp>

#include "calc/cells/frame_record.h"

nlohmann::ordered_json FrameRecordJson(const FrameRecord& record);
