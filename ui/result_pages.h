// The result tabs of the calculation table: the chapter lists, the grids, the legend and the
// figures, all displaying the result model and computing nothing. The tab of the water
// chapter shows only while the model holds that chapter; the tabs of a box of cells show in
// place of the five documented ones while the model holds the cell chapters.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <map>
#include <string>
#include <vector>

#include "calc/calc_table.h"
#include "ui/charts/figure_view.h"

class ResultPages {
  public:
    // Adds the result tabs to the window's page control, after the input page.
    ResultPages(CalcTable& table, QTabWidget* pageControl);

    // Shows what the model holds now.
    void Refresh();
    void RepaintFigures();

    QTabWidget* ChapterTwoPages() const { return pageControl2_; }
    QTabWidget* ChapterThreePages() const { return pageControl3_; }
    QListWidget* List(const std::string& name) const { return lists_.at(name); }
    QTableWidget* GridView(const std::string& name) const { return grids_.at(name); }
    FigureView* Figure(const std::string& name) const { return figures_.at(name); }
    QLabel* Label97() const { return label97_; }
    QLabel* Label98() const { return label98_; }
    QWidget* WaterTab() const { return waterTab_; }
    const std::vector<QWidget*>& CellTabs() const { return cellTabs_; }

  private:
    QWidget* AddTab(QTabWidget* pages, const char* name, const QString& caption);
    QTabWidget* AddPageControl(QWidget* parent, const char* name, int tabWidth, const QRect& place);
    void AddList(QWidget* group, const char* name, const QRect& place, int fontPixels,
                 int lineHeight, bool framed);
    void AddGrid(QWidget* group, const char* name, const QRect& place);
    static void AddCells(QTableWidget* grid, const Grid& model, int fromRow);
    FigureView* AddFigure(QWidget* group, const char* name, const QRect& place);

    void BuildConditions(QTabWidget* pages);
    void BuildLoads(QTabWidget* pages);
    void BuildFrame(QTabWidget* pages);
    void BuildSections(QTabWidget* pages);
    void BuildOutline(QTabWidget* pages);
    void BuildWater(QTabWidget* pages);
    void BuildCells(QTabWidget* pages);
    void BuildChartButtons(QWidget* group);

    void FillList(const std::string& name);
    void FillGrid(const std::string& name);

    CalcTable& table_;
    QTabWidget* pageControl2_ = nullptr;
    QTabWidget* pageControl3_ = nullptr;
    std::map<std::string, QListWidget*> lists_;
    std::map<std::string, int> lineHeights_;
    std::map<std::string, QTableWidget*> grids_;
    std::map<std::string, FigureView*> figures_;
    QLabel* label97_ = nullptr;
    QLabel* label98_ = nullptr;
    QTabWidget* pageControl1_ = nullptr;
    QWidget* waterTab_ = nullptr;           // shown for a design with the water chapter
    std::vector<QWidget*> documentedTabs_;  // chapters Ⅰ to Ⅴ of one cell
    std::vector<QWidget*> cellTabs_;        // chapters Ⅰ to Ⅴ of a box of cells
};

// Gives a page control's tabs their width (wider where a caption needs it) and height.
void SetTabSize(QTabWidget* pages, int width, int height);
