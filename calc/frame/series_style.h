// The look of a figure's line series, set afresh on every run whatever the colour choice.
#pragma once

#include <string>

#include "calc/calc_table.h"

// The named series of the chart as a line with visible marks, in the given colour and width.
Series& StyleLineSeries(Chart& chart, const std::string& name, Colour colour, int lineWidth);
