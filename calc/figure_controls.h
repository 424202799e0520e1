// The figure controls of the calculation table act on the charts of the result model, so the
// report pages copy what the user sees: mark font size, colour choice, pan and zoom.
#pragma once

#include "calc/calc_table.h"

// Gives the figures of a new table their series in drawing order, with the line widths, pen
// styles, kinds and marks of the window's design and the colours of the initial choice "ｶﾗｰ".
void SetUpFigures(CalcTable& table);
// Sets the mark font size of the series the figure-font track bar governs.
void SetFigureFontSize(CalcTable& table, int size);
// Sets the figure colours for item 0 "ｶﾗｰ" or 1 "白黒"; any other item changes nothing.
void SetFigureColours(CalcTable& table, int item);
// After a run: its stages draw their load and force lines in colour whatever the choice, so
// with "白黒" chosen they are set black again and the figures keep to the choice.
void KeepColourChoice(CalcTable& table, int item);
// Scrolls a chart's view by a fifth of its range: direction 'U', 'D', 'L' or 'R'.
void ScrollChart(Chart& chart, char direction);
// Zooms every axis of the chart by the percentage p (120 enlarges, 80 reduces).
void ZoomChart(Chart& chart, double percent);
