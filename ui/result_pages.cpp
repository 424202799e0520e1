// The result tabs: places, fonts and colours of the lists, grids, legend and figures.
#include "ui/result_pages.h"

#include <QHeaderView>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>

#include "calc/cells/cell_sheet.h"
#include "calc/figure_controls.h"
#include "calc/section/check_sheet.h"
#include "calc/water/water_chapter.h"
#include "ui/charts/chart_frame.h"
#include "ui/fonts.h"
#include "ui/grid_cells.h"
#include "ui/page_controls.h"

void SetTabSize(QTabWidget* pages, int width, int height) {
    pages->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { min-width: %1px; height: %2px; }").arg(width).arg(height));
}

ResultPages::ResultPages(CalcTable& table, QTabWidget* pageControl)
    : table_(table), pageControl1_(pageControl) {
    BuildConditions(pageControl);
    BuildLoads(pageControl);
    BuildFrame(pageControl);
    BuildSections(pageControl);
    BuildOutline(pageControl);
    for (int k = 1; k < pageControl->count(); ++k)
        documentedTabs_.push_back(pageControl->widget(k));
    BuildCells(pageControl);
    BuildWater(pageControl);
    Refresh();
}

QWidget* ResultPages::AddTab(QTabWidget* pages, const char* name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, caption);
    return page;
}

QTabWidget* ResultPages::AddPageControl(QWidget* parent, const char* name, int tabWidth,
                                        const QRect& place) {
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QString::fromLatin1(name));
    pages->setGeometry(place);
    SetTabSize(pages, tabWidth, 20);
    return pages;
}

void ResultPages::AddList(QWidget* group, const char* name, const QRect& place, int fontPixels,
                          int lineHeight, bool framed) {
    auto* list = new QListWidget(group);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(place);
    list->setFont(SheetFont(fontPixels));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setTextElideMode(Qt::ElideNone);
    if (framed) {
        list->setFrameShape(QFrame::Box);
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, Qt::white);
        list->setPalette(palette);
    } else {
        // A sheet without a frame, on the window's own background.
        list->setFrameShape(QFrame::NoFrame);
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        list->setPalette(palette);
    }
    lists_[name] = list;
    lineHeights_[name] = lineHeight;
}

void ResultPages::AddGrid(QWidget* group, const char* name, const QRect& place) {
    // A grid of the water chapter exists in the model only with the chapter.
    const auto found = table_.grids.find(name);
    const Grid model = found == table_.grids.end() ? Grid(0, 0) : found->second;
    auto* grid = new QTableWidget(model.rows, model.columns, group);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(place);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(model.rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(model.rowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setTextElideMode(Qt::ElideNone);
    // The column widths are those of the form; a slightly smaller font and a narrow padding
    // keep the numbers of the sheet whole inside them where they can.
    grid->setFont(ControlFont(10));
    grid->setItemDelegate(new GridCellDelegate(grid));
    grid->setWordWrap(false);
    for (int c = 0; c < model.columns; ++c) grid->setColumnWidth(c, model.columnWidths.at(c));
    AddCells(grid, model, 0);
    grids_[name] = grid;
}

// Cells from the given row on, coloured as fixed in the first row and column.
void ResultPages::AddCells(QTableWidget* grid, const Grid& model, int fromRow) {
    for (int r = fromRow; r < model.rows; ++r)
        for (int c = 0; c < model.columns; ++c) {
            auto* cell = new QTableWidgetItem;
            const bool fixed = r == 0 || c == 0;
            cell->setBackground(ToQColor(fixed ? model.fixedColour : model.cellColour));
            cell->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            grid->setItem(r, c, cell);
        }
}

FigureView* ResultPages::AddFigure(QWidget* group, const char* name, const QRect& place) {
    auto* figure = new FigureView(table_, name, group);
    figure->setObjectName(QString::fromLatin1(name));
    figure->setGeometry(place);
    figures_[name] = figure;
    return figure;
}

void ResultPages::BuildConditions(QTabWidget* pages) {
    auto* tab = AddTab(pages, "TabSheet11", QStringLiteral("Ⅰ．設計条件"));
    auto* list = MakeGroup(tab, QStringLiteral("1．設計条件"), QRect(2, 2, 231, 399));
    AddList(list, "ListBox7", QRect(8, 16, 217, 377), 12, 16, false);
    auto* figure = MakeGroup(tab, QStringLiteral("2．形状(mm)"), QRect(240, 2, 425, 399));
    AddFigure(figure, "Chart2", QRect(8, 16, 409, 377));
}

void ResultPages::BuildLoads(QTabWidget* pages) {
    auto* tab = AddTab(pages, "TabSheet2", QStringLiteral("Ⅱ．荷重値"));
    pageControl2_ = AddPageControl(tab, "PageControl2", 110, QRect(2, 2, 667, 398));
    auto* sheet = AddTab(pageControl2_, "TabSheet3", QStringLiteral("1．荷重値計算"));
    auto* lists = MakeGroup(sheet, QStringLiteral("１．荷重計算"), QRect(2, 0, 655, 361));
    AddList(lists, "ListBox4", QRect(8, 16, 321, 335), 12, 16, false);
    AddList(lists, "ListBox1", QRect(336, 16, 313, 335), 12, 16, false);
    auto* diagram = AddTab(pageControl2_, "TabSheet4", QStringLiteral("2．作用荷重図"));
    auto* group =
        MakeGroup(diagram,
                  QStringLiteral("作用荷重　(移動=ﾏｳｽ右ﾎﾞﾀﾝﾄﾞﾗｯｸﾞ、拡大=ﾏｳｽ左ﾎﾞﾀﾝを左上から右下"
                                 "へﾄﾞﾗｯｸﾞ：右下から左上へは元に戻る)"),
                  QRect(2, 2, 655, 363));
    AddFigure(group, "Chart1", QRect(8, 16, 601, 337));
    BuildChartButtons(group);
}

void ResultPages::BuildChartButtons(QWidget* group) {
    auto* column = new QWidget(group);
    column->setGeometry(612, 9, 37, 186);
    struct Button {
        const char* name;
        const char* hint;
        QStyle::StandardPixmap picture;
        const char* caption;
        char direction;  // 0 for a zoom
        double percent;
    };
    const Button buttons[] = {
        {"SpeedButton11", "上へ移動", QStyle::SP_ArrowUp, "", 'U', 0},
        {"SpeedButton16", "下へ移動", QStyle::SP_ArrowDown, "", 'D', 0},
        {"SpeedButton13", "左へ移動", QStyle::SP_ArrowLeft, "", 'L', 0},
        {"SpeedButton14", "右へ移動", QStyle::SP_ArrowRight, "", 'R', 0},
        {"SpeedButton8", "１．２倍拡大", QStyle::SP_CustomBase, "＋", 0, 120},
        {"SpeedButton9", "０．８倍縮小", QStyle::SP_CustomBase, "－", 0, 80},
    };
    int top = 0;
    for (const Button& b : buttons) {
        auto* button = MakeFlatButton(column, b.name, QString::fromUtf8(b.caption),
                                      QString::fromUtf8(b.hint), QRect(0, top, 37, 31));
        if (b.picture != QStyle::SP_CustomBase)
            button->setIcon(button->style()->standardIcon(b.picture));
        top += 31;
        QObject::connect(button, &QToolButton::clicked, column, [this, b] {
            Chart& chart = table_.ChartOf("Chart1");
            if (b.direction != 0)
                ScrollChart(chart, b.direction);
            else
                ZoomChart(chart, b.percent);
            figures_.at("Chart1")->update();
        });
    }
}

void ResultPages::BuildFrame(QTabWidget* pages) {
    auto* tab = AddTab(pages, "TabSheet5", QStringLiteral("Ⅲ．ﾗｰﾒﾝ解析"));
    pageControl3_ = AddPageControl(tab, "PageControl3", 165, QRect(2, 2, 667, 398));

    auto* terms = AddTab(pageControl3_, "TabSheet12", QStringLiteral("1．荷重項"));
    auto* termsGroup = MakeGroup(terms, QStringLiteral("1．荷重項"), QRect(2, 2, 655, 362));
    AddList(termsGroup, "ListBox3", QRect(5, 16, 645, 338), 13, 16, false);
    auto* joints = AddTab(pageControl3_, "TabSheet14", QStringLiteral("2．接点曲げﾓｰﾒﾝﾄ"));
    auto* jointsGroup =
        MakeGroup(joints, QStringLiteral("2．接点曲げﾓｰﾒﾝﾄ"), QRect(2, 2, 655, 362));
    AddList(jointsGroup, "ListBox5", QRect(5, 16, 645, 338), 13, 16, false);

    auto* forces = AddTab(pageControl3_, "TabSheet6", QStringLiteral("3．部材断面力計算"));
    auto* forceList =
        MakeGroup(forces, QStringLiteral("3-1．部材断面力計算"), QRect(2, 2, 319, 364));
    AddList(forceList, "ListBox2", QRect(8, 16, 305, 337), 12, 16, false);
    auto* forceFigures =
        MakeGroup(forces, QStringLiteral("3-2．部材断面力：図"), QRect(328, 2, 329, 364));
    auto* pageControl4 = AddPageControl(forceFigures, "PageControl4", 80, QRect(6, 16, 318, 340));
    const auto memberTab = [&](const char* caption, const char* upper, const char* upperChart,
                               const char* lower, const char* lowerChart) {
        auto* page = AddTab(pageControl4, "", QString::fromUtf8(caption));
        auto* top = MakeGroup(page, QString::fromUtf8(upper), QRect(2, 2, 306, 151));
        AddFigure(top, upperChart, QRect(6, 14, 295, 131));
        auto* bottom = MakeGroup(page, QString::fromUtf8(lower), QRect(2, 157, 306, 151));
        AddFigure(bottom, lowerChart, QRect(6, 14, 295, 131));
    };
    memberTab("側壁(左、右)", "(1)側壁(左)", "Chart3", "(2)側壁(右)", "Chart6");
    memberTab("頂版、底版", "(3)頂版(B-C)", "Chart4", "(4)底版(D-A)", "Chart5");

    auto* summary = AddTab(pageControl3_, "TabSheet9", QStringLiteral("4．断面力集計"));
    auto* summaryGroup = MakeGroup(summary, QStringLiteral("断面力集計"), QRect(2, 2, 285, 362));
    AddGrid(summaryGroup, "StringGrid1", QRect(8, 16, 269, 250));
    auto* notes = MakeGroup(summaryGroup, QStringLiteral("摘要"), QRect(8, 274, 269, 80));
    AddList(notes, "ListBox8", QRect(8, 14, 249, 60), 12, 12, false);
    lists_.at("ListBox8")->setFont(ControlFont(12));
    auto* diagrams = MakeGroup(summary, QStringLiteral("5．断面力図"), QRect(290, 2, 365, 362));
    auto* pageControl5 = AddPageControl(diagrams, "PageControl5", 100, QRect(8, 16, 350, 340));
    AddFigure(AddTab(pageControl5, "", QStringLiteral("曲げﾓｰﾒﾝﾄ")), "Chart9",
              QRect(2, 2, 338, 309));
    AddFigure(AddTab(pageControl5, "", QStringLiteral("せん断力")), "Chart10",
              QRect(2, 2, 338, 309));
}

void ResultPages::BuildSections(QTabWidget* pages) {
    auto* tab = AddTab(pages, "TabSheet10", QStringLiteral("Ⅳ．部材断面計算"));
    auto* required = MakeGroup(tab, QStringLiteral("必要鉄筋量計算式"), QRect(2, 2, 329, 105));
    AddList(required, "ListBox9", QRect(8, 16, 313, 81), 12, 12, true);
    auto* actual = MakeGroup(tab, QStringLiteral("実応力度計算式"), QRect(344, 2, 321, 105));
    AddList(actual, "ListBox10", QRect(8, 16, 305, 81), 12, 12, true);
    auto* table =
        MakeGroup(tab, QStringLiteral("１．必要鉄筋量、実応力度の計算"), QRect(2, 112, 663, 289));
    AddGrid(table, "StringGrid3", QRect(8, 16, 473, 267));
    auto* verdict = MakeGroup(table, QStringLiteral("応力度照査結果"), QRect(488, 12, 169, 45));
    label97_ = MakeLabel(verdict, QString(), QRect(8, 16, 153, 22));
    label97_->setObjectName(QStringLiteral("Label97"));
    label97_->setAlignment(Qt::AlignCenter);
    auto* legend = MakeGroup(table, QStringLiteral("摘要"), QRect(488, 62, 169, 219));
    const char* const captions[] = {"Ｍ：曲げﾓｰﾒﾝﾄ",        "Ｎ：軸力",
                                    "Ｓ：接点部のせん断力", "Ｓ2d：接点から2d部のせん断力",
                                    "Asn：必要鉄筋量",      "As：実際の配筋量",
                                    "σc：圧縮応力度",       "σs：引張り応力度",
                                    "τ：せん断応力度",      "τ2d：せん断応力度",
                                    "Ｄ：鉄筋径",           "ﾋﾟｯﾁ：配筋ピッチ"};
    int top = 16;
    for (const char* caption : captions) {
        MakeLabel(legend, QString::fromUtf8(caption), QRect(8, top, 157, 16));
        top += 16;
    }
}

void ResultPages::BuildOutline(QTabWidget* pages) {
    auto* tab = AddTab(pages, "TabSheet19", QStringLiteral("Ⅴ．概要図"));
    auto* pageControl6 = AddPageControl(tab, "PageControl6", 165, QRect(2, 2, 667, 398));
    // The drawing and the processing dimensions side by side, as high as the sub-tab allows.
    auto* bars = AddTab(pageControl6, "TabSheet20", QStringLiteral("1．主鉄筋図、2．加工寸法"));
    auto* drawing = MakeGroup(bars, QStringLiteral("1．主鉄筋図"), QRect(2, 2, 388, 364));
    AddFigure(drawing, "Chart13", QRect(8, 16, 369, 342));
    auto* dimensions =
        MakeGroup(bars, QStringLiteral("2．主鉄筋加工寸法"), QRect(393, 2, 265, 364));
    AddGrid(dimensions, "StringGrid2", QRect(8, 16, 251, 107));
    AddList(dimensions, "ListBox6", QRect(8, 136, 251, 222), 12, 16, false);

    auto* quantities = AddTab(pageControl6, "TabSheet21", QStringLiteral("3．数量"));
    auto* group =
        MakeGroup(quantities, QStringLiteral("3．数量（延長1m当り）"), QRect(2, 2, 655, 364));
    AddGrid(group, "StringGrid4", QRect(8, 16, 390, 230));
    label98_ = MakeLabel(group, QString(), QRect(8, 252, 639, 38));
    label98_->setObjectName(QStringLiteral("Label98"));
    label98_->setWordWrap(true);

    auto* checks = AddTab(pageControl6, "TabSheet22", QStringLiteral("4．照査一覧"));
    auto* checkGroup = MakeGroup(checks, QStringLiteral("4．照査一覧（応力度と許容応力度の比）"),
                                 QRect(2, 2, 655, 364));
    AddGrid(checkGroup, "StringGrid5", QRect(8, 16, 639, 252));
    auto* note = MakeLabel(checkGroup, QString::fromUtf8(kCheckNote), QRect(8, 274, 639, 38));
    note->setWordWrap(true);
}

void ResultPages::FillList(const std::string& name) {
    QListWidget* list = lists_.at(name);
    const int height = lineHeights_.at(name);
    const QFontMetrics metrics(list->font());
    list->clear();
    const auto found = table_.lists.find(name);
    if (found == table_.lists.end()) return;  // a list of the water chapter without it
    for (const std::string& line : found->second) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), list);
        // The fixed line height keeps fraction lines evenly spaced.
        item->setSizeHint(QSize(metrics.horizontalAdvance(item->text()) + 4, height));
    }
}

void ResultPages::FillGrid(const std::string& name) {
    const auto found = table_.grids.find(name);
    const Grid model = found == table_.grids.end() ? Grid(0, 0) : found->second;
    QTableWidget* grid = grids_.at(name);
    if (grid->columnCount() != model.columns) {  // the water chapter's grid has a column a case
        grid->setRowCount(0);
        grid->setColumnCount(model.columns);
        for (int c = 0; c < model.columns; ++c) grid->setColumnWidth(c, model.columnWidths.at(c));
    }
    if (grid->rowCount() != model.rows) {  // the quantity grid has a row a bar diameter
        const int before = grid->rowCount();
        grid->setRowCount(model.rows);
        AddCells(grid, model, before);
    }
    for (int r = 0; r < model.rows && r < grid->rowCount(); ++r)
        for (int c = 0; c < model.columns && c < grid->columnCount(); ++c) {
            QTableWidgetItem* item = grid->item(r, c);
            item->setText(QString::fromStdString(model.Cell(c, r)));
            item->setData(Qt::ForegroundRole, QVariant());
        }
    // A failing section cannot be missed on screen; the printed pages keep their black.
    if (name == "StringGrid3")
        for (const GridCell& cell : table_.overLimitCells)
            if (QTableWidgetItem* item = grid->item(cell.row, cell.column))
                item->setForeground(ToQColor(colours::red));
    FitColumns(grid, model);
}

void ResultPages::BuildWater(QTabWidget* pages) {
    waterTab_ = AddTab(pages, "TabSheetWater", QStringLiteral("Ⅵ．水位・安定計算"));
    auto* sub = AddPageControl(waterTab_, "PageControlWater", 120, QRect(2, 2, 667, 398));
    auto* cases = AddTab(sub, "", QStringLiteral("1．荷重ケース"));
    auto* outside = MakeGroup(cases, QStringLiteral("外水ケース"), QRect(2, 0, 326, 364));
    AddList(outside, kGroundwaterSheet, QRect(6, 16, 314, 340), 12, 16, false);
    auto* inside = MakeGroup(cases, QStringLiteral("内水ケース"), QRect(331, 0, 326, 364));
    AddList(inside, kInnerWaterSheet, QRect(6, 16, 314, 340), 12, 16, false);
    auto* diagrams = AddTab(sub, "", QStringLiteral("2．作用荷重図"));
    AddFigure(MakeGroup(diagrams, QStringLiteral("外水ケース"), QRect(2, 2, 326, 362)),
              kGroundwaterFigure, QRect(6, 16, 314, 340));
    AddFigure(MakeGroup(diagrams, QStringLiteral("内水ケース"), QRect(331, 2, 326, 362)),
              kInnerWaterFigure, QRect(6, 16, 314, 340));
    auto* checks = AddTab(sub, "", QStringLiteral("3．安定計算"));
    auto* sheet = MakeGroup(checks, QStringLiteral("浮上り、地盤反力度"), QRect(2, 0, 356, 364));
    AddList(sheet, kStabilitySheet, QRect(6, 16, 344, 340), 12, 16, false);
    AddFigure(MakeGroup(checks, QStringLiteral("曲げﾓｰﾒﾝﾄ図(包絡)"), QRect(361, 2, 296, 362)),
              kEnvelopeFigure, QRect(6, 16, 284, 340));
    auto* forces = AddTab(sub, "", QStringLiteral("4．ケース別断面力"));
    auto* table = MakeGroup(forces, QStringLiteral("荷重ケース別の断面力と支配ケース"),
                            QRect(2, 2, 655, 362));
    AddGrid(table, kCaseTable, QRect(8, 16, 639, 250));
}

void ResultPages::Refresh() {
    pageControl1_->setTabVisible(pageControl1_->indexOf(waterTab_), HasWaterChapter(table_));
    const bool cells = HasCellChapters(table_);
    for (QWidget* tab : documentedTabs_)
        pageControl1_->setTabVisible(pageControl1_->indexOf(tab), !cells);
    for (QWidget* tab : cellTabs_) pageControl1_->setTabVisible(pageControl1_->indexOf(tab), cells);
    for (const auto& entry : lists_) FillList(entry.first);
    for (const auto& entry : grids_) FillGrid(entry.first);
    const std::pair<const char*, QLabel*> labels[] = {{"Label97", label97_}, {"Label98", label98_}};
    for (const auto& [name, label] : labels) {
        const Label& model = table_.labels.at(name);
        label->setText(QString::fromStdString(model.text));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToQColor(model.colour));
        label->setPalette(palette);
    }
    RepaintFigures();
}

void ResultPages::RepaintFigures() {
    for (const auto& entry : figures_) entry.second->update();
}
