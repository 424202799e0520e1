// Dimension chains of the outline figure: a line with ticks and arrowheads at its ends and
// joints, and each segment's length in mm written beside its middle.
#pragma once

#include <span>

#include "calc/calc_table.h"
#include "calc/single.h"

enum class ChainOrientation { Horizontal, Vertical };

// Tick kinds: the start of a chain, a joint between two segments, the end of a chain.
enum class TickKind { Start = 0, Joint = 1, End = 2 };

// Draws the segments laid end to end from the start point, to the right or upwards; a label
// point sits at a segment's start plus length/divisor. One zero-length segment draws nothing.
void DrawDimensionChain(Series& series, ChainOrientation orientation, Single divisor, Single startX,
                        Single startY, std::span<const Single> lengths);

// Adds the extension stroke and the arrowhead strokes of one tick at (x, y).
void DrawDimensionTick(Series& series, ChainOrientation orientation, TickKind kind, Single x,
                       Single y);
