// The drawing sheet for the drawing file: the run's section and, to its right, the title
// block with the project, the design's name, the scale, the date, the load case, the
// materials, the covers, the verdict and the quantities.
#pragma once

#include <ctime>
#include <string>

#include "calc/calc_table.h"
#include "calc/drawing/cad_drawing.h"

// How the load case reads in the title block.
std::string LoadCaseText(int loadCase);

// The date of the title block, in local time.
std::string DateText(std::time_t time);

// What the title block names besides the run's results.
struct SheetTitle {
    std::string projectName;  // "工事名"; empty when not given
    std::string designName;   // the design-condition file's name, or the drawing's own
    std::string date;         // "作成日"
};

// The scale "1:N" at which the drawing, title block included, fits on an A3 sheet.
std::string A3Scale(const CadDrawing& drawing);

// The table must hold a run's drawing.
CadDrawing DrawingSheet(const CalcTable& table, const SheetTitle& title);
