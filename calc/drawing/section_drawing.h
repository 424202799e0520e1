// The cross-section of the box with its main bars as a full-size CAD drawing in mm, origin
// at the lower left outer corner: outline and opening, bars 1 to 5 at their covers with the
// bends as arcs, the lap zones, the bar marks and the dimensions.
#pragma once

#include <span>

#include "calc/calc_table.h"
#include "calc/drawing/cad_drawing.h"
#include "calc/record.h"
#include "calc/section/rebar_lengths.h"
#include "calc/work_arrays.h"

// The dimensions of the box: below it the widths between the stops xs (mm), then B; left of
// it Tb, Hu, Tu, then H; the upper left haunch inside the first opening.
void AddSectionDimensions(CadDrawing& d, const TData& record, double th,
                          std::span<const double> xs);

// The main bars 1 to 5 with the lap zones of the outer bars, their marks 1 to 4 centred on x
// = markX (mm).
void AddMainBars(CadDrawing& d, const TData& record, const BarSchedule& barSchedule,
                 const RebarLengths& lengths, double th, double markX);

// Text height of the drawing: about a fortieth of the box's larger side, at least 50 mm.
double DrawingTextHeight(const TData& record);

CadDrawing DrawSectionCad(const TData& record, const BarSchedule& barSchedule,
                          const RebarLengths& lengths);

// Keeps a drawing of the record's box in the table, with its load case and materials.
void KeepSectionDrawing(CadDrawing cad, const TData& record, int loadCase,
                        const std::string& steelGrade, CalcTable& table);

// The stage: keeps the drawing of the run's box and bars, with its load case and materials,
// in the table.
void DrawSection(const TData& record, const BarSchedule& barSchedule, const RebarLengths& lengths,
                 int loadCase, const std::string& steelGrade, CalcTable& table);
