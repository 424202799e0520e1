// The calculation table "計算テーブル" (the form TForm2): the input page and the result tabs
// of the last run, a window above the main window that opens where it was last closed, or
// else as wide as tab Ⅳ's grid needs, and may grow; never smaller than the form. It owns the
// support dialogs of the input page. While the result tabs show the results of a run whose
// conditions the page no longer holds, or a later run failed, a note on them says so.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QTabWidget>
#include <memory>
#include <optional>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "ui/allowable_stress_dialog.h"
#include "ui/cell_dialog.h"
#include "ui/input_page.h"
#include "ui/result_pages.h"
#include "ui/study_page.h"
#include "ui/t_load_dialog.h"
#include "ui/water_dialog.h"

class CalcTableWindow : public QDialog {
    Q_OBJECT
  public:
    CalcTableWindow(CalcTable& table, Messenger& messenger, QWidget* parent);
    ~CalcTableWindow() override;

    // The design conditions as the page and the T-load dialog hold them.
    DesignConditions Conditions() const;
    // Puts the conditions into the page, the T-load dialog and the figure controls.
    void SetConditions(const DesignConditions& conditions);
    // Converts what is still being typed, as leaving the field would.
    void FinishEditing();

    // Runs the calculation with the page's conditions and shows its results. After a
    // conversion error the cursor is put into the field the error names; after a failed
    // check, into the entry the first failed check is about (the one of its entries typed
    // into last, or else the one its message names).
    RunResult Run();
    // Shows what the result model holds and selects the tabs it names.
    void ShowResults();
    // Brings tab "Ⅳ．部材断面計算" to the front.
    void ShowSectionTab();
    // Whether the result tabs hold the results of other conditions than the page's, or a
    // later run stopped.
    bool ResultsStale() const;
    // Keeps the window's place and size for the next start (it does so itself when hidden).
    void KeepWindowPlace() const;

    InputPage& Input() const { return *input_; }
    ResultPages& Results() const { return *results_; }
    AllowableStressDialog& StressDialog() const { return *stressDialog_; }
    TLoadDialog& TLoad() const { return *tLoadDialog_; }
    WaterDialog& Water() const { return *waterDialog_; }
    CellDialog& Cells() const { return *cellDialog_; }
    StudyPage& Study() const { return *study_; }
    QTabWidget* Pages() const { return pageControl1_; }
    // The note on the result tabs that they are not the current conditions' results.
    const QLabel& StaleNote() const { return *staleNote_; }

  signals:
    // A run ended, completed or not.
    void ran();
    // An entry of the page, a figure control or a T-load text changed.
    void conditionsEdited();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Esc closes the dialogs only: the table with the engineer's work stays.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SelectTabs(const TabSelection& tabs);
    void FocusField(const std::string& name);
    void UpdateStaleNote();
    // Places the pages for a window of the given size: the result tabs grow, the input page
    // stays in the middle.
    void LayOut(QSize size);
    // The least width, within the screen, at which tab Ⅳ's section grid shows whole.
    QSize OpeningSize();

    CalcTable& table_;
    Messenger& messenger_;
    QTabWidget* pageControl1_;
    InputPage* input_;
    std::unique_ptr<ResultPages> results_;
    StudyPage* study_;
    AllowableStressDialog* stressDialog_;
    TLoadDialog* tLoadDialog_;
    WaterDialog* waterDialog_;
    CellDialog* cellDialog_;
    QLabel* staleNote_;
    std::optional<DesignConditions> resultConditions_;  // of the last run that completed
    bool lastRunFailed_ = false;
    bool shown_ = false;
};
