// Figure controls.
#include "calc/figure_controls.h"

void SetFigureFontSize(CalcTable&, int) {}
void SetFigureColours(CalcTable&, int) {}
void ScrollChart(Chart&, char) {}
void ZoomChart(Chart&, double) {}
