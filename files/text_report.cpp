// The text report, built line by line from the calculation table and written in CP932.
#include "files/text_report.h"

#include <vector>

#include "calc/cells/cell_sheet.h"
#include "calc/water/water_chapter.h"
#include "files/cp932.h"

namespace {

constexpr std::size_t kFieldWidth = 10;
const char* const kIndent = "　　　";  // three ideographic spaces

// The legend of the section calculation table: the captions of Label85 to Label96 in the
// order the report lists them.
const char* const kSectionTableLegend[] = {
    "Ｍ：曲げﾓｰﾒﾝﾄ",   "Ｎ：軸力",         "Ｓ：接点部のせん断力", "Ｓ2d：接点から2d部のせん断力",
    "Asn：必要鉄筋量", "As：実際の配筋量", "Ｄ：鉄筋径",           "ﾋﾟｯﾁ：配筋ピッチ",
    "σc：圧縮応力度",  "σs：引張り応力度", "τ：せん断応力度",      "τ2d：せん断応力度",
};

class ReportLines {
  public:
    explicit ReportLines(const CalcTable& table) : table_(table) {}

    void Line(const std::string& text) { lines_.push_back(text); }
    // Every item of the list box, then one empty line.
    void ListLines(const char* name) {
        for (const auto& item : table_.List(name)) Line(item);
        Line("");
    }
    // Every row from the header row on; every cell padded to the field width and ended by ";".
    void GridLines(const char* name) {
        for (const auto& row : table_.GridOf(name).cells) {
            std::string text;
            for (const auto& cell : row) text += PadLeft(cell, kFieldWidth) + ";";
            Line(text);
        }
    }
    std::string Cp932() const {
        std::string bytes;
        for (const auto& line : lines_) bytes += ToCp932(line) + "\r\n";
        return bytes;
    }

  private:
    const CalcTable& table_;
    std::vector<std::string> lines_;
};

// Chapters I to IV of a box of two or three cells.
std::string CellReportText(const CalcTable& table) {
    ReportLines report(table);
    report.Line("ﾄﾞﾙﾒﾀ Ver3.2");
    report.Line("");
    report.Line("Ⅰ．設計条件");
    report.ListLines(kCellConditionSheet);
    report.Line("Ⅱ．荷重値");
    report.ListLines(kCellLoadSheet);
    report.Line("Ⅲ．ﾗｰﾒﾝ解析");
    report.ListLines(kCellFrameSheet);
    report.Line("Ⅳ．部材断面計算");
    report.Line("　１．必要鉄筋量、実応力度の計算");
    report.GridLines(kCellSectionGrid);
    report.Line("　　摘要");
    for (const char* caption : kSectionTableLegend) report.Line(std::string(kIndent) + caption);
    report.Line(std::string(kIndent) +
                "ケース、位置：M、Nを支配するケースと載荷位置、Ｓを支配する載荷位置");
    report.Line("");
    return report.Cp932();
}

std::string ReportText(const CalcTable& table) {
    if (HasCellChapters(table)) return CellReportText(table);
    ReportLines report(table);
    report.Line("ﾄﾞﾙﾒﾀ Ver3.2");
    report.Line("");
    report.Line("Ⅰ．設計条件");
    report.ListLines("ListBox7");
    report.Line("");
    report.Line("Ⅱ．荷重値、荷重項");
    report.Line("　１．荷重計算");
    report.ListLines("ListBox4");
    report.Line("");
    report.ListLines("ListBox1");
    report.Line("");
    report.Line("Ⅲ．ﾗｰﾒﾝ解析");
    report.ListLines("ListBox5");
    report.Line("");
    report.Line("　３．部材断面力");
    report.ListLines("ListBox2");
    report.Line("");
    report.Line("　４．断面力集計");
    report.GridLines("StringGrid1");
    report.ListLines("ListBox8");
    report.Line("");
    report.Line("Ⅳ．部材断面計算");
    report.Line("　１．必要鉄筋量、実応力度の計算");
    report.GridLines("StringGrid3");
    report.Line("　　摘要");
    for (const char* caption : kSectionTableLegend) report.Line(std::string(kIndent) + caption);
    if (HasExtraCases(table)) report.Line(std::string(kIndent) + kGoverningNote);
    report.Line("");
    report.Line("Ⅴ．概要図");
    report.Line("　２．主鉄筋加工寸法");
    report.Line("");
    report.GridLines("StringGrid2");
    report.Line("");
    for (const auto& item : table.List("ListBox6")) report.Line(kIndent + item);
    report.Line("");
    if (HasWaterChapter(table)) {
        report.Line("Ⅵ．水位・安定計算");
        for (const char* sheet : {kGroundwaterSheet, kInnerWaterSheet})
            if (table.lists.contains(sheet)) report.ListLines(sheet);
        report.ListLines(kStabilitySheet);
        report.Line("　荷重ケース別の断面力と支配ケース");
        report.GridLines(kCaseTable);
        report.Line("");
    }
    return report.Cp932();
}

}  // namespace

FileResult WriteTextReport(FileCommit& commit, const std::string& path, const CalcTable& table) {
    return StageCp932(commit, path, [&] { return ReportText(table); });
}

FileResult WriteTextReport(const std::string& path, const CalcTable& table) {
    FileCommit commit;
    return CommitWhenStaged(commit, WriteTextReport(commit, path, table));
}
