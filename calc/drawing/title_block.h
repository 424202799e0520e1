// The drawing sheet for the drawing file: the run's section and, to its right, the title
// block with the design's name, the date, the load case, the verdict and the quantities.
#pragma once

#include <ctime>
#include <string>

#include "calc/calc_table.h"
#include "calc/drawing/cad_drawing.h"

// How the load case reads in the title block.
std::string LoadCaseText(int loadCase);

// The date of the title block, in local time.
std::string DateText(std::time_t time);

// The table must hold a run's drawing.
CadDrawing DrawingSheet(const CalcTable& table, const std::string& designName,
                        const std::string& date);
