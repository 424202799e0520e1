// Pieces of the section drawings in mm: texts, dimensions with their lengths, the U-shaped
// outer bars and the lap zones where two of them meet.
#pragma once

#include <string>

#include "calc/drawing/cad_drawing.h"

// Metres of the record in mm, to the micrometre, so that the Single 3.9 gives 3900. (Not
// named Mm: the report pages have an Mm of their own, from mm to device units.)
double MetresToMm(double metres);

void AddText(CadDrawing& d, CadLayer layer, CadPoint at, double height, std::string text, HAlign h,
             VAlign v, double angle = 0);

// A dimension with its length in mm above the line (left of a vertical one, reading upwards),
// the line at `at` (a y for a horizontal one, an x for a vertical one); th is the text height.
void AddDimension(CadDrawing& d, double th, CadPoint a, CadPoint b, bool horizontal, double at);

// A short dimension inside the opening, from a towards b (rightwards or upwards), its length
// beyond the line's end where it does not fit between the ticks.
void AddShortDimension(CadDrawing& d, double th, CadPoint a, CadPoint b, bool horizontal,
                       double at);

// One outer bar: the horizontal part at height y, its two bends of radius R into the legs
// at xLeft and xRight, and the legs of the given lengths; `down` for bar 1, whose legs hang.
struct OuterBar {
    double y, R, legLeft, legRight;
    bool down;
};
void AddOuterBar(CadDrawing& d, const OuterBar& bar, double xLeft, double xRight);

// Where the leg of bar 2 reaches above the end of the leg of bar 1, the two lap: a dashed
// frame round the lap and its length beside the wall, outside the box of width B.
void AddLapZone(CadDrawing& d, double th, double x, double lowerEnd, double upperEnd, bool leftWall,
                double B);
