// A drawing as CAD entities, in millimetres at full size: what a DXF file holds, without
// knowing the file format. Every entity sits on one of the drawing's layers.
#pragma once

#include <string>
#include <vector>

#include "calc/single.h"

enum class CadLayer { Outline, Rebar, Dimension, Text, Table };

struct CadLayerStyle {
    CadLayer layer;
    const char* name;
    int colour;      // CAD colour index: 1 red, 2 yellow, 3 green, 4 cyan, 7 white/black
    int lineweight;  // 1/100 mm
    const char* linetype;
};

// Every layer, in the order of the layer table.
const std::vector<CadLayerStyle>& CadLayerStyles();

inline constexpr const char* kContinuous = "CONTINUOUS";
inline constexpr const char* kDashed = "DASHED";
// The dash pattern of kDashed in mm at linetype scale 1: a dash, then a gap (negative).
inline constexpr double kDashPattern[2] = {12.7, -6.35};

struct CadPoint {
    double x = 0, y = 0;
    bool operator==(const CadPoint&) const = default;
};

struct CadLine {
    CadLayer layer;
    CadPoint from, to;
    bool dashed = false;
    bool operator==(const CadLine&) const = default;
};

// Counter-clockwise from the start angle to the end angle, in degrees.
struct CadArc {
    CadLayer layer;
    CadPoint centre;
    double radius = 0;
    double startAngle = 0, endAngle = 0;
    bool operator==(const CadArc&) const = default;
};

struct CadPolyline {
    CadLayer layer;
    std::vector<CadPoint> points;
    bool closed = false;
    bool dashed = false;
    bool operator==(const CadPolyline&) const = default;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Baseline, Bottom, Middle, Top };

struct CadText {
    CadLayer layer;
    CadPoint at;  // the alignment point
    double height = 0;
    std::string text;  // UTF-8
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Baseline;
    double angle = 0;  // degrees
    bool operator==(const CadText&) const = default;
};

struct CadDrawing {
    double linetypeScale = 1;  // of the dash patterns, for the size of the drawing
    std::vector<CadPolyline> polylines;
    std::vector<CadLine> lines;
    std::vector<CadArc> arcs;
    std::vector<CadText> texts;
    bool operator==(const CadDrawing&) const = default;
};

// The materials and covers of the run, as the title block states them.
struct DrawingMaterials {
    double sigmaCk = 0;  // N/mm2
    std::string steelGrade;
    // Main-bar centre to concrete surface, m: top slab, walls, bottom slab upper and lower face.
    Single dTop = 0, dWall = 0, dBottomUpper = 0, dBottomLower = 0;
    bool operator==(const DrawingMaterials&) const = default;
};

// What a run leaves for the drawing file: the section, its text height, the load case and
// the materials.
struct SectionDrawing {
    CadDrawing cad;
    double textHeight = 0;  // mm
    int loadCase = 0;
    DrawingMaterials materials;
    bool operator==(const SectionDrawing&) const = default;
};
