// The drawing file: a CAD drawing as DXF (AutoCAD 2000 format) written by dxflib, with
// its texts and layer names in CP932 and the code page set to ANSI_932 for Japanese CAD
// programs, in millimetres.
#pragma once

#include <string>

#include "calc/calc_table.h"
#include "calc/drawing/cad_drawing.h"
#include "calc/drawing/title_block.h"
#include "files/file_commit.h"
#include "files/file_result.h"

// The whole file. Its texts leave out control characters and show a character without a
// CP932 form as "?", so that whatever a design file is named, the drawing is written.
FileResult DxfBytes(const CadDrawing& drawing, std::string& bytes);

// The last run's section with its title block, staged as one output of the commit; refused
// when no run has left a drawing.
FileResult WriteSectionDxf(FileCommit& commit, const std::string& path, const CalcTable& table,
                           const SheetTitle& title);
// The same alone: the earlier file stays as it was when the write fails.
FileResult WriteSectionDxf(const std::string& path, const CalcTable& table,
                           const SheetTitle& title);
