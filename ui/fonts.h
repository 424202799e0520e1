// Fonts of the windows: a proportional Japanese font for controls and a fixed-pitch one, in
// which a full-width character takes exactly two columns, for the formula lists.
#pragma once

#include <QFont>

// The controls' font at the given pixel height.
QFont ControlFont(int pixels = 12);
// The formula lists' fixed-pitch font at the given pixel height.
QFont SheetFont(int pixels);
