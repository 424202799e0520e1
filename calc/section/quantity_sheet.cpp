// The quantity grid: concrete, formwork, each main bar, each diameter and the steel total.
#include "calc/section/quantity_sheet.h"

#include <algorithm>
#include <string_view>

#include "calc/sheet/format_line.h"

const char* const kQuantityTitles = "項目,径,L(mm),本数,ﾋﾟｯﾁ,単位質量,数量,単位";
const char* const kQuantityItems = "項目,コンクリート,型枠,①,②,③,④,⑤,鉄筋計";
const char* const kQuantityNote =
    "数量は延長1m当り。鉄筋は主鉄筋①～⑤のみで、配力筋・スターラップは含まない。";
const char* const kNoSteelNote = "鉄筋が求まらないため（@9999 または D00）、鉄筋数量はありません。";

namespace {

constexpr const char* kMarks[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};
constexpr const char* kCellNote =
    "数量は延長1m当り。鉄筋は主鉄筋①～⑧のみで、配力筋・スターラップは含まない。";
constexpr int kFirstBarRow = 3;

void SetRow(Grid& grid, int row, std::initializer_list<std::string_view> cells) {
    int column = 0;
    for (const std::string_view cell : cells) grid.Cell(column++, row) = cell;
}

}  // namespace

std::vector<std::string> QuantityNoteLines(const CalcTable& table) {
    const std::string& note = table.labels.at("Label98").text;
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= note.size();) {
        const auto end = std::min(note.find('\n', start), note.size());
        lines.push_back(note.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void WriteQuantities(const Quantities& q, CalcTable& table, int cellMarks) {
    const auto& steel = q.steel;
    const int diameterRows = steel ? static_cast<int>(steel->byDiameter.size()) : 0;
    const int marks = kMainBarCount + cellMarks;
    Grid& grid = table.GridOf("StringGrid4");
    grid.rows = kFirstBarRow + marks + diameterRows + 1;
    grid.cells.assign(grid.rows, std::vector<std::string>(grid.columns));
    grid.SetRowText(0, kQuantityTitles);
    SetRow(grid, 1,
           {"コンクリート", "", "", "", "", "", FormatLine("0.000"_pattern, q.concrete), "m3/m"});
    SetRow(grid, 2, {"型枠", "", "", "", "", "", FormatLine("0.00"_pattern, q.formwork), "m2/m"});
    const std::string pitch = FormatLine("@00"_pattern, q.pitch);
    for (int k = 0; k < marks; ++k) {
        const int row = kFirstBarRow + k;
        if (!steel) {
            SetRow(grid, row, {kMarks[k], "---", "---", "---", "---", "---", "---", "kg/m"});
            continue;
        }
        const BarQuantity& bar =
            k < kMainBarCount ? steel->bars[k] : steel->cellBars[std::size_t(k - kMainBarCount)];
        SetRow(grid, row,
               {kMarks[k], FormatLine("D00"_pattern, bar.diameter),
                FormatLine("0"_pattern, bar.length), FormatLine("0"_pattern, bar.count), pitch,
                FormatLine("0.000"_pattern, bar.unitMass), FormatLine("0.00"_pattern, bar.mass),
                "kg/m"});
    }
    int row = kFirstBarRow + marks;
    if (steel)
        for (const DiameterMass& d : steel->byDiameter)
            SetRow(grid, row++,
                   {"径別計", FormatLine("D00"_pattern, d.diameter), "", "", "", "",
                    FormatLine("0.00"_pattern, d.mass), "kg/m"});
    SetRow(grid, row,
           {"鉄筋計", "", "", "", "", "", steel ? FormatLine("0.00"_pattern, steel->total) : "---",
            "kg/m"});

    Label& note = table.labels.at("Label98");
    const char* const scope = cellMarks > 0 ? kCellNote : kQuantityNote;
    note.text = steel ? scope : std::string(kNoSteelNote) + "\n" + scope;
    note.colour = steel ? colours::black : colours::red;
    table.quantities = q;
}
