// The report pages: where each component sits and which result component fills it.
#include "report/report_pages.h"

#include <array>
#include <stdexcept>

#include "calc/cells/cell_sheet.h"
#include "calc/water/water_chapter.h"
#include "report/cell_pages.h"
#include "report/page_builder.h"
#include "report/water_pages.h"

namespace {

const std::array<std::string, kReportPageCount> kTitles = {
    "Ⅰ．設計条件",    "Ⅱ．荷重値(1)",   "Ⅱ．荷重値(2)",   "Ⅱ．荷重値(3)",    "Ⅲ．ﾗｰﾒﾝ解析(1)",
    "Ⅲ．ﾗｰﾒﾝ解析(2)", "Ⅲ．ﾗｰﾒﾝ解析(3)", "Ⅲ．ﾗｰﾒﾝ解析(4)", "Ⅳ．部材断面計算", "Ⅴ．概要図"};

// The wheel-load arrows of the acting-load diagram take the figure-colour choice; their
// points too, so the arrows show in that colour however the figure painter picks colours.
void ColourWheelArrows(const Chart& source, Chart& report, int colourChoice) {
    const Colour colour = colourChoice == kBlackAndWhiteFigures ? colours::black : colours::red;
    for (std::size_t i = 0; i < source.series.size(); ++i) {
        if (source.series[i].kind != SeriesKind::Arrow) continue;
        Series& arrows = report.series.at(i);
        arrows.colour = colour;
        for (ChartPoint& point : arrows.points) point.colour = colour;
    }
}

void BuildContent(ReportPage& page, const CalcTable& table, int colourChoice) {
    PageBuilder b(page, table);
    switch (page.number) {
        case 1:
            b.List("ListBox7", Box(23.3, 25.4, 155.6));
            b.Copy("Chart2", Figure(93.1, 29.6, 104.0, 116.7, "Box外形図(mm)", 9));
            break;
        case 2:
            b.List("ListBox4", Box(25.4, 23.3, 145.8));
            break;
        case 3:
            b.List("ListBox1", Box(26.5, 23.3, 110.3));
            break;
        case 4: {
            b.Fixed(Text(23.3, 27.0, {"2．作用荷重図"}, 15));
            b.Fixed(Text(29.6, 36.0, {"荷重計算結果を下記に、図示する。"}));
            const Chart& source = table.ChartOf("Chart1");
            Chart& copy = b.Copy("Chart1", Figure(23.3, 42.3, 258.5, 148.4, "作用荷重図", 16));
            ColourWheelArrows(source, copy, colourChoice);
            break;
        }
        case 5:
            b.List("ListBox3", Box(25.4, 25.4, 191.8));
            break;
        case 6:
            b.List("ListBox5", Box(25.4, 27.5));
            break;
        case 7: {
            b.List("ListBox2", Box(23.3, 25.4, 124.6));
            const std::array<const char*, 4> sources = {"Chart3", "Chart6", "Chart4", "Chart5"};
            const std::array<const char*, 4> titles = {"側壁作用荷重(L)", "側壁作用荷重(R)",
                                                       "頂版作用荷重", "底版作用荷重"};
            const std::array<double, 4> tops = {25.4, 81.8, 179.4, 238.9};
            for (int i = 0; i < 4; ++i) {
                ReportChart figure = Figure(114.3, tops[i], 83.6, 38.9, titles[i], 2);
                figure.chart.bottom.visible = false;
                b.Copy(sources[i], std::move(figure));
            }
            break;
        }
        case 8:
            b.Fixed(Text(29.6, 25.4, {"4.断面力集計"}, 15));
            b.Fixed(Text(29.1, 33.9, {"各部材の「設計断面力」集計結果を下記に示す。"}));
            b.Grid("StringGrid1", Table(27.5, 42.3));
            b.Fixed(Text(139.2, 44.4,
                         {"Ｍ：曲げﾓｰﾒﾝﾄ", "Ｎ：軸力", "Ｓ：接点部のせん断力",
                          "Ｓ2d：接点から２ｄ部のせん断力"}));
            b.Fixed(Text(25.4, 148.2, {"曲げﾓｰﾒﾝﾄ図を下記に示す。"}));
            b.Fixed(Text(112.2, 148.2, {"せん断力図を下記に示す。"}));
            b.Copy("Chart9", Figure(25.4, 155.3, 84.7, 84.7, "曲げﾓｰﾒﾝﾄ図", 2));
            b.Copy("Chart10", Figure(111.9, 155.3, 84.7, 84.7, "せん断力図", 2));
            break;
        case 9:
            page.margins = Margins{Mm(15), Mm(10), Mm(10), Mm(10)};
            b.Fixed(Text(14.8, 27.5,
                         {"部材断面の計算は、曲げモーメントと軸方向圧縮力を受ける単鉄筋矩形断面とし"
                          "て行う。"}));
            b.List("ListBox9", Box(19.1, 33.1));
            b.List("ListBox10", Box(120.6, 33.1));
            b.Fixed(
                Text(222.5, 33.6,
                     {"", "  Ｍ：曲げﾓｰﾒﾝﾄ", "  Ｎ：軸力", "  Ｓ：接点部のせん断力",
                      "  Ｓ2d：接点から2d部のせん断力", "  Asn：必要鉄筋量", "  As：実際の配筋量",
                      "  Ｄ：鉄筋径", "  ﾋﾟｯﾁ：配筋ピッチ", "  σc：圧縮応力度",
                      "  σs：引張り応力度", "  τ：せん断応力度", "  τ2d：せん断応力度"}));
            b.Fixed(Text(14.8, 114.0,
                         {HasExtraCases(table)
                              ? std::string("計算結果を下記に示す。") + kGoverningNote + "。"
                              : "計算結果を下記に示す。"}));
            b.Grid("StringGrid3", Table(14.8, 118.5, "設計断面力及び実応力度の集計"));
            break;
        case 10:
            b.Fixed(
                Text(25.4, 25.4,
                     {"（１）鉄筋の加工形状", "", "カルバート面内の鉄筋については、カルバート外周",
                      "には側壁の中央部付近において二分割したコの字",
                      "型筋を、また各部材の内側には直筋を配置する。"}));
            b.Fixed(Text(25.4, 52.9, {"（２）鉄筋の加工寸法"}));
            b.List("ListBox6", Box(25.4, 60.9));
            b.Grid("StringGrid2", Table(105.8, 228.6));
            b.Copy("Chart13", Figure(105.8, 61.4, 91.3, 86.8, "主鉄筋図", 10));
            b.Fixed(Text(105.8, 152.4,
                         {"（注）主筋のみ表示している。", "配力筋は、別途計上すること。"}));
            b.Fixed(Text(105.8, 222.2, {"主鉄筋加工寸法表"}, 15));
            break;
    }
}

// In "白黒" nothing on the page is in colour, the figures' titles included.
void FollowColourChoice(ReportPage& page, int colourChoice) {
    if (colourChoice == kBlackAndWhiteFigures)
        for (ReportChart& chart : page.charts) chart.chart.titleColour = colours::black;
}

}  // namespace

std::string ReportHeader(const std::string& projectName, const std::string& designer) {
    std::string header;
    if (!projectName.empty()) header = "工事名：" + projectName;
    if (!designer.empty()) header += (header.empty() ? "" : "　") + ("設計者：" + designer);
    return header;
}

void MarkPage(ReportPage& page, int number, int count, const std::string& header) {
    page.number = number;
    page.footer = std::to_string(number) + " / " + std::to_string(count);
    page.header = header;
}

const std::string& ReportPageTitle(int number) {
    return kTitles.at(number - 1);
}

ReportPage BuildReportPage(int number, const CalcTable& table, int colourChoice) {
    ReportPage page;
    page.number = number;
    page.title = ReportPageTitle(number);
    page.orientation = number == 4 || number == 9 ? Orientation::Landscape : Orientation::Portrait;
    BuildContent(page, table, colourChoice);
    FollowColourChoice(page, colourChoice);
    return page;
}

std::vector<ReportPage> PagesAfterTheTen(const CalcTable& table, int colourChoice,
                                         const std::vector<ReportPage>& extraPages) {
    std::vector<ReportPage> pages = WaterChapterPages(table);
    for (ReportPage& page : pages) FollowColourChoice(page, colourChoice);
    pages.insert(pages.end(), extraPages.begin(), extraPages.end());
    return pages;
}

std::vector<ReportPage> WholeReport(const CalcTable& table, int colourChoice,
                                    const std::vector<ReportPage>& extraPages,
                                    const std::string& header) {
    std::vector<ReportPage> pages;
    if (HasCellChapters(table)) {
        pages = CellChapterPages(table);
        for (ReportPage& page : pages) FollowColourChoice(page, colourChoice);
    } else {
        for (int number = 1; number <= kReportPageCount; ++number)
            pages.push_back(BuildReportPage(number, table, colourChoice));
    }
    for (ReportPage& page : PagesAfterTheTen(table, colourChoice, extraPages))
        pages.push_back(std::move(page));
    for (std::size_t k = 0; k < pages.size(); ++k)
        MarkPage(pages[k], int(k) + 1, int(pages.size()), header);
    return pages;
}
