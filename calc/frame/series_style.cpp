// Series look of the frame figures.
#include "calc/frame/series_style.h"

Series& StyleLineSeries(Chart& chart, const std::string& name, Colour colour, int lineWidth) {
    Series& series = chart.Get(name);
    series.kind = SeriesKind::Line;
    series.colour = colour;
    series.lineWidth = lineWidth;
    series.marksVisible = true;
    return series;
}
