// The report page model: one A4 page with its title, margins and components, measured in
// report pixels (96 to the inch) from the page's top-left corner.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"

inline constexpr double kReportDpi = 96.0;

// Millimetres to report pixels.
constexpr double Mm(double millimetres) {
    return millimetres * kReportDpi / 25.4;
}

enum class Orientation { Portrait, Landscape };

struct Margins {
    double top = Mm(10);
    double bottom = Mm(15);
    double left = Mm(20);
    double right = Mm(10);
};

// A multi-line text box that sizes itself to its lines in a fixed-pitch font.
struct TextBox {
    double left = 0;
    double top = 0;
    double height = 0;  // of the empty layout until lines are copied in
    int fontHeight = 13;
    std::vector<std::string> lines;
};

// Text the page carries itself: a heading, a line, a legend or a note, one item a line.
struct PageText {
    double left = 0;
    double top = 0;
    int fontHeight = 13;
    std::vector<std::string> lines;
};

// A chart of the page: a copy of a result chart, or a string grid drawn as a table
// (horizontal rules, vertical rules and cell texts as three series).
struct ReportChart {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool showsGrid = false;
    Chart chart;
};

struct ReportPage {
    int number = 0;
    std::string title;
    Orientation orientation = Orientation::Portrait;
    Margins margins;
    std::vector<TextBox> textBoxes;
    std::vector<PageText> texts;
    std::vector<ReportChart> charts;
    // The report's own lines in the margins: the header above the frame (empty: none) and the
    // page number below it.
    std::string header;
    std::string footer;

    double Width() const { return orientation == Orientation::Portrait ? Mm(210) : Mm(297); }
    double Height() const { return orientation == Orientation::Portrait ? Mm(297) : Mm(210); }
};
