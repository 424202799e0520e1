// Layout of the water chapter's pages.
#include "report/water_pages.h"

#include <string>

#include "calc/water/water_chapter.h"
#include "report/page_builder.h"

namespace {

constexpr const char* kChapter = "Ⅵ．水位・安定計算";

ReportPage NewPage(std::vector<ReportPage>& pages, Orientation orientation) {
    ReportPage page;
    page.number = 11 + static_cast<int>(pages.size());
    page.title = std::string(kChapter) + "(" + std::to_string(pages.size() + 1) + ")";
    page.orientation = orientation;
    return page;
}

}  // namespace

std::vector<ReportPage> WaterChapterPages(const CalcTable& table) {
    std::vector<ReportPage> pages;
    if (!HasWaterChapter(table)) return pages;
    const auto add = [&](Orientation orientation, const auto& build) {
        ReportPage page = NewPage(pages, orientation);
        PageBuilder b(page, table);
        build(b);
        pages.push_back(std::move(page));
    };
    for (const char* sheet : {kGroundwaterSheet, kInnerWaterSheet})
        if (table.lists.contains(sheet))
            add(Orientation::Portrait, [&](PageBuilder& b) {
                if (pages.empty()) b.Fixed(Text(25.4, 23.3, {kChapter}, 15));
                b.List(sheet, Box(25.4, pages.empty() ? 32.0 : 23.3));
            });
    const bool groundwater = table.charts.contains(kGroundwaterFigure);
    const bool inner = table.charts.contains(kInnerWaterFigure);
    if (groundwater || inner)
        add(Orientation::Landscape, [&](PageBuilder& b) {
            b.Fixed(Text(23.3, 27.0, {"荷重ケースの作用荷重図"}, 15));
            const double width = groundwater && inner ? 127.0 : 258.5;
            double left = 23.3;
            for (const auto& [present, name] : {std::pair{groundwater, kGroundwaterFigure},
                                                std::pair{inner, kInnerWaterFigure}}) {
                if (!present) continue;
                b.Copy(name, Figure(left, 36.0, width, 155.0, table.ChartOf(name).title, 17));
                left += width + 4.5;
            }
        });
    add(Orientation::Portrait, [&](PageBuilder& b) {
        if (pages.empty()) b.Fixed(Text(25.4, 23.3, {kChapter}, 15));
        b.List(kStabilitySheet, Box(25.4, pages.empty() ? 32.0 : 23.3));
    });
    add(Orientation::Portrait, [&](PageBuilder& b) {
        b.Fixed(Text(22.0, 23.3, {"荷重ケース別の断面力と支配ケース"}, 15));
        b.Fixed(Text(22.0, 31.0,
                     {"各断面の鉄筋は全ケースの必要鉄筋量の最大値で決め、全ケースを照査する。",
                      "Ⅳ章の表は各断面の支配ケースの値を示す。"}));
        b.Grid(kCaseTable, Table(22.0, 44.0));
        b.Fixed(Text(25.4, 150.0, {"曲げﾓｰﾒﾝﾄ図(全ケースの包絡)を下記に示す。"}));
        b.Copy(kEnvelopeFigure, Figure(40.0, 157.0, 120.0, 120.0, "曲げﾓｰﾒﾝﾄ図(包絡)", 3));
    });
    return pages;
}
