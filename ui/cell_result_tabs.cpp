// The result tabs of a box of cells: each chapter's sheet beside its figures, the section grid
// with the governing wheel positions.
#include "calc/cells/cell_bar_sheet.h"
#include "calc/cells/cell_figures.h"
#include "calc/cells/cell_sheet.h"
#include "ui/page_controls.h"
#include "ui/result_pages.h"

void ResultPages::BuildCells(QTabWidget* pages) {
    const auto chapter = [&](const char* name, const char* caption) {
        QWidget* tab = AddTab(pages, name, QString::fromUtf8(caption));
        cellTabs_.push_back(tab);
        return tab;
    };
    const auto sheetAndFigure = [&](QWidget* tab, const char* sheet, const char* figure) {
        auto* list = MakeGroup(tab, QString(), QRect(2, 2, 300, 399));
        AddList(list, sheet, QRect(6, 8, 288, 385), 12, 16, false);
        auto* group = MakeGroup(tab, QString(), QRect(306, 2, 359, 399));
        AddFigure(group, figure, QRect(6, 8, 347, 385));
    };
    sheetAndFigure(chapter("TabSheetCell1", "Ⅰ．設計条件"), kCellConditionSheet,
                   kCellOutlineFigure);
    sheetAndFigure(chapter("TabSheetCell2", "Ⅱ．荷重値"), kCellLoadSheet, kCellLoadFigure);

    QWidget* frame = chapter("TabSheetCell3", "Ⅲ．ﾗｰﾒﾝ解析");
    auto* list = MakeGroup(frame, QString(), QRect(2, 2, 300, 399));
    AddList(list, kCellFrameSheet, QRect(6, 8, 288, 385), 12, 16, false);
    auto* diagrams = AddPageControl(frame, "PageControlCell3", 100, QRect(306, 2, 359, 399));
    const std::pair<const char*, const char*> figures[] = {{"曲げﾓｰﾒﾝﾄ", kCellMomentFigure},
                                                           {"軸力", kCellAxialFigure},
                                                           {"せん断力", kCellShearFigure}};
    for (const auto& [caption, figure] : figures)
        AddFigure(AddTab(diagrams, "", QString::fromUtf8(caption)), figure, QRect(2, 2, 350, 366));

    QWidget* sections = chapter("TabSheetCell4", "Ⅳ．部材断面計算");
    auto* table =
        MakeGroup(sections, QStringLiteral("必要鉄筋量、実応力度の計算（支配ケース・輪荷重位置）"),
                  QRect(2, 2, 663, 399));
    AddGrid(table, kCellSectionGrid, QRect(8, 16, 647, 375));

    // Chapter Ⅴ: the processing dimensions of the main bars beside their drawing, their table
    // and the outline of chapter Ⅰ at full size (a second view of the same chart, kept under
    // a name of its own).
    QWidget* bars = chapter("TabSheetCell5", "Ⅴ．概要図");
    auto* barList = MakeGroup(bars, QString(), QRect(2, 2, 300, 399));
    AddList(barList, kCellRebarSheet, QRect(6, 8, 288, 385), 12, 16, false);
    auto* views = AddPageControl(bars, "PageControlCell5", 100, QRect(306, 2, 359, 399));
    AddFigure(AddTab(views, "", QStringLiteral("主鉄筋図")), kCellRebarChart,
              QRect(2, 2, 350, 366));
    AddGrid(AddTab(views, "", QStringLiteral("加工寸法表")), kCellRebarGrid, QRect(2, 2, 350, 366));
    auto* view =
        new FigureView(table_, kCellOutlineFigure, AddTab(views, "", QStringLiteral("Box外形図")));
    view->setGeometry(2, 2, 350, 366);
    figures_[std::string(kCellOutlineFigure) + "(Ⅴ)"] = view;
}
