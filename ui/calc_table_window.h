// The calculation table "計算テーブル" (the form TForm2): the input page and the result tabs
// of the last run, a fixed-size window above the main window. It owns the two support
// dialogs of the input page.
#pragma once

#include <QDialog>
#include <QTabWidget>
#include <memory>

#include "calc/calc_table.h"
#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "calc/run.h"
#include "ui/allowable_stress_dialog.h"
#include "ui/input_page.h"
#include "ui/result_pages.h"
#include "ui/study_page.h"
#include "ui/t_load_dialog.h"

class CalcTableWindow : public QDialog {
    Q_OBJECT
  public:
    CalcTableWindow(CalcTable& table, Messenger& messenger, QWidget* parent);
    ~CalcTableWindow() override;

    // The design conditions as the page and the T-load dialog hold them.
    DesignConditions Conditions() const;
    // Puts the page's entries (not the T-load values) into the controls.
    void SetConditions(const DesignConditions& conditions);

    // Runs the calculation with the page's conditions and shows its results.
    RunResult Run();
    // Shows what the result model holds and selects the tabs it names.
    void ShowResults();

    InputPage& Input() const { return *input_; }
    ResultPages& Results() const { return *results_; }
    AllowableStressDialog& StressDialog() const { return *stressDialog_; }
    TLoadDialog& TLoad() const { return *tLoadDialog_; }
    StudyPage& Study() const { return *study_; }
    QTabWidget* Pages() const { return pageControl1_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectTabs(const TabSelection& tabs);

    CalcTable& table_;
    Messenger& messenger_;
    QTabWidget* pageControl1_;
    InputPage* input_;
    std::unique_ptr<ResultPages> results_;
    StudyPage* study_;
    AllowableStressDialog* stressDialog_;
    TLoadDialog* tLoadDialog_;
    bool shown_ = false;
};
