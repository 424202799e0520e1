// Layout of the summary page.
#include "report/check_page.h"

#include <algorithm>

#include "calc/section/check_sheet.h"
#include "calc/section/quantity_sheet.h"
#include "report/draw_kekka.h"

namespace {

// A grid drawn as a table at the place given, no wider than the room to the page's right
// margin: its columns then share that width, each still as wide as its texts.
ReportChart TableAt(const Grid& grid, double leftMm, double topMm, double roomMm) {
    ReportChart table;
    table.left = Mm(leftMm);
    table.top = Mm(topMm);
    TDrawKekka().DrawGridAsChart(grid, table);
    table.width = std::min(table.width, Mm(roomMm));
    return table;
}

}  // namespace

ReportPage BuildCheckPage(const CalcTable& table) {
    ReportPage page;
    page.title = "照査一覧";
    page.orientation = Orientation::Landscape;
    page.margins = Margins{Mm(10), Mm(15), Mm(10), Mm(10)};
    page.texts.push_back(
        {Mm(14.8), Mm(25), 13, {"各設計断面の応力度を許容応力度と比べた結果を下記に示す。"}});
    page.charts.push_back(TableAt(table.GridOf("StringGrid5"), 14.8, 30, 270));
    page.texts.push_back({Mm(14.8), Mm(110), 11, {kCheckNote}});

    page.texts.push_back({Mm(14.8), Mm(117), 15, {"数量（延長1m当り）"}});
    page.charts.push_back(TableAt(table.GridOf("StringGrid4"), 14.8, 123, 130));
    page.texts.push_back({Mm(150), Mm(128), 11, QuantityNoteLines(table)});
    return page;
}
