// The title block: rows of framed cells on the table layer.
#include "calc/drawing/title_block.h"

#include <algorithm>
#include <cmath>

#include "calc/section/quantity_sheet.h"
#include "calc/sheet/format_line.h"

namespace {

struct Cell {
    std::string text;
    double width;  // in text heights
    HAlign align = HAlign::Left;
};

// Draws rows of cells downwards from the top left corner.
class TableBuilder {
  public:
    TableBuilder(CadDrawing& d, CadPoint topLeft, double th, double width)
        : d_(d), x0_(topLeft.x), y_(topLeft.y), th_(th) {
        Line({x0_, y_}, {x0_ + width * th_, y_});
    }

    void Row(const std::vector<Cell>& cells, double height, double textHeight) {
        const double bottom = y_ - height * th_;
        double x = x0_;
        Line({x, y_}, {x, bottom});
        for (const Cell& cell : cells) {
            const double right = x + cell.width * th_, pad = 0.3 * th_;
            const double at = cell.align == HAlign::Left    ? x + pad
                              : cell.align == HAlign::Right ? right - pad
                                                            : (x + right) / 2;
            if (!cell.text.empty())
                d_.texts.push_back({CadLayer::Table,
                                    {at, (y_ + bottom) / 2},
                                    textHeight * th_,
                                    cell.text,
                                    cell.align,
                                    VAlign::Middle,
                                    0});
            x = right;
            Line({x, y_}, {x, bottom});
        }
        Line({x0_, bottom}, {x, bottom});
        y_ = bottom;
    }

    void TextBelow(const std::string& text, double textHeight) {
        y_ -= 1.0 * th_;
        d_.texts.push_back({CadLayer::Table,
                            {x0_, y_},
                            textHeight * th_,
                            text,
                            HAlign::Left,
                            VAlign::Baseline,
                            0});
    }

  private:
    void Line(CadPoint from, CadPoint to) { d_.lines.push_back({CadLayer::Table, from, to}); }

    CadDrawing& d_;
    double x0_, y_, th_;
};

// Widths of the quantity grid's columns, in text heights; numbers stand to the right. A
// full-width character is about 1.35 text heights wide.
constexpr double kColumnWidths[] = {6, 2.5, 3, 2.5, 3, 4, 3.5, 3};
constexpr double kLabelWidth = 6;
constexpr double kCellText = 0.6;
const char* const kScaleToCome = "1:?";

}  // namespace

std::string LoadCaseText(int loadCase) {
    static const char* const texts[] = {"1（標準設計）", "2（荷重組合せ（1））",
                                        "3（荷重組合せ（2））",
                                        "4（土かぶりが衝撃係数作用深さ以上）", "5（活荷重なし）"};
    return loadCase >= 1 && loadCase <= 5 ? texts[loadCase - 1] : std::to_string(loadCase);
}

std::string DateText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y年%m月%d日", &local);
    return text;
}

std::string A3Scale(const CadDrawing& d) {
    double left = 0, right = 0, bottom = 0, top = 0;
    bool first = true;
    const auto take = [&](CadPoint p, double reach) {
        if (first) left = right = p.x, bottom = top = p.y, first = false;
        left = std::min(left, p.x - reach), right = std::max(right, p.x + reach);
        bottom = std::min(bottom, p.y - reach), top = std::max(top, p.y + reach);
    };
    for (const CadPolyline& p : d.polylines)
        for (const CadPoint& point : p.points) take(point, 0);
    for (const CadLine& l : d.lines) take(l.from, 0), take(l.to, 0);
    for (const CadArc& a : d.arcs) take(a.centre, a.radius);
    // A text reaches about its height beyond its alignment point, and further along its line.
    for (const CadText& t : d.texts) take(t.at, t.height);
    // A3 landscape less a 10 mm border.
    constexpr double kSheetWidth = 400, kSheetHeight = 277;
    static const int kScales[] = {1,   2,   5,   10,  20,  25,  30,  40,  50,  60,  75,
                                  100, 150, 200, 250, 300, 400, 500, 600, 750, 1000};
    const double needed = std::max((right - left) / kSheetWidth, (top - bottom) / kSheetHeight);
    int scale = static_cast<int>(std::ceil(needed / 100)) * 100;
    for (const int s : kScales)
        if (s >= needed) {
            scale = s;
            break;
        }
    return "1:" + std::to_string(scale) + "（A3）";
}

CadDrawing DrawingSheet(const CalcTable& table, const SheetTitle& title) {
    const SectionDrawing& section = table.drawing.value();
    CadDrawing d = section.cad;
    const double th = section.textHeight;
    double right = 0, top = 0;
    for (const CadPoint& p : d.polylines.front().points) {
        right = std::max(right, p.x);
        top = std::max(top, p.y);
    }
    double width = 0;
    for (const double w : kColumnWidths) width += w;

    TableBuilder block(d, {right + 4 * th, top}, th, width);
    block.Row({{"ボックスカルバート断面図（単位：mm）", width, HAlign::Centre}}, 2.0, 1.0);
    const DrawingMaterials& m = section.materials;
    const auto cover = [](const char* member, double metres) {
        return member + FormatLine("0"_pattern, metres * 1000.0);
    };
    const std::pair<const char*, std::string> fields[] = {
        {"工事名", title.projectName},
        {"設計名", title.designName},
        {"縮尺", kScaleToCome},
        {"作成日", title.date},
        {"荷重ケース", LoadCaseText(section.loadCase)},
        {"材料", FormatLine("σck=0.#N/mm2"_pattern, m.sigmaCk) + "　鉄筋 " + m.steelGrade},
        {"かぶり", cover("頂版", m.dTop) + " " + cover("側壁", m.dWall) + " " +
                       cover("底版上面", m.dBottomUpper) + " " + cover("底版下面", m.dBottomLower) +
                       "（主筋中心,mm）"},
        {"判定", table.labels.at("Label97").text},
    };
    for (const auto& [label, value] : fields)
        block.Row({{label, kLabelWidth}, {value, width - kLabelWidth}}, 1.2, kCellText);
    const Grid& grid = table.GridOf("StringGrid4");
    for (const auto& row : grid.cells) {
        std::vector<Cell> cells;
        for (std::size_t c = 0; c < row.size() && c < std::size(kColumnWidths); ++c)
            cells.push_back(
                {row[c], kColumnWidths[c], c >= 2 && c <= 6 ? HAlign::Right : HAlign::Left});
        block.Row(cells, 1.2, kCellText);
    }
    for (const std::string& line : QuantityNoteLines(table)) block.TextBelow(line, kCellText);
    // The scale takes the sheet as a whole, the title block included.
    for (CadText& text : d.texts)
        if (text.text == kScaleToCome) text.text = A3Scale(d);
    return d;
}
