// Placing the components of a report page: text boxes filled from lists, copies of charts,
// grids drawn as tables and the page's own texts, in millimetres from the page's corner.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "report/draw_kekka.h"
#include "report/report_page.h"

// A text box sizes itself to its lines; the width of the empty layout is not needed.
TextBox Box(double leftMm, double topMm, double heightMm = 0);
PageText Text(double leftMm, double topMm, std::vector<std::string> lines, int fontHeight = 13);
// A figure with the given number of series, each keeping its points in the order added.
ReportChart Figure(double leftMm, double topMm, double widthMm, double heightMm,
                   const std::string& title, int seriesCount);
// A chart that shows a grid; its size comes from the grid.
ReportChart Table(double leftMm, double topMm, const std::string& title = "");

// Copies in the order of the calls, each component onto the page.
class PageBuilder {
  public:
    PageBuilder(ReportPage& page, const CalcTable& table) : page_(page), table_(table) {}

    void List(const char* name, TextBox box);
    Chart& Copy(const char* name, ReportChart figure);
    void Grid(const char* name, ReportChart table);
    void Fixed(PageText text) { page_.texts.push_back(std::move(text)); }

  private:
    ReportPage& page_;
    const CalcTable& table_;
    TDrawKekka kekka_;
};
