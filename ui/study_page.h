// The study tab "設計検討": the design evaluated at every cover of a range, drawn as the
// utilisations against the cover with the covers that govern, and the thinnest box that
// passes at them all. Studies run on a worker thread; the window stays responsive, shows
// their progress and can cancel them. A study belongs to the conditions it was run on: once
// the page holds others, a note says so and its table is not saved.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "calc/study/sizing.h"
#include "calc/study/study_table.h"

class StudyFigure;

class StudyPage : public QWidget {
    Q_OBJECT
  public:
    using ConditionsSource = std::function<DesignConditions()>;

    StudyPage(ConditionsSource conditions, Messenger& messenger, QWidget* parent = nullptr);
    // Cancels a study that is running and waits for its thread.
    ~StudyPage() override;

    // Asks where to save the study's table; empty when cancelled.
    void SetCsvPathPrompt(std::function<std::string()> prompt) { askCsvPath_ = std::move(prompt); }
    // Names the design-condition file the page's conditions came from, for the saved table.
    void SetDesignFileSource(std::function<std::string()> source) {
        designFile_ = std::move(source);
    }

    // When the tab comes to the front: the range from 0.5 m (or the page's cover, when that is
    // shallower) to 2·h1, unless the engineer has typed one; and a sizing done on other
    // conditions than the page's is put away, so that its thicknesses cannot be applied.
    void PageShown();
    void StartStudy();   // "検討開始"
    void StartSizing();  // "最小部材厚"
    void Cancel();
    // Refuses, with a message, a study of other conditions than the page's.
    void SaveCsv();
    // The page's conditions changed: the note on a study of other conditions comes or goes.
    void ConditionsChanged();

    bool Busy() const { return busy_; }
    bool HasStudy() const { return study_ && study_->size() > 0; }
    // A study of the conditions the page holds now.
    bool HasCurrentStudy() const;
    const QLabel& StaleNote() const { return *staleNote_; }
    const Chart& Figure() const { return figure_; }
    const Grid& Governing() const { return governing_; }
    const std::optional<SizingResult>& Sizing() const { return sizing_; }

  signals:
    // "入力に反映": the sized box's Tu, TL, Tb, (with cells Tm,) B and H go to the input page.
    void thicknessesApplied(const DesignConditions& sized);
    // A study or a sizing ended, completed or cancelled.
    void finished();

  private:
    std::optional<SweepRange> Range();
    void Begin();
    // Ends the study or sizing; a cancelled one says so.
    void End(bool cancelled);
    void StudyDone(std::shared_ptr<const StudyTable> study, std::vector<DesignResult> results,
                   bool complete, double inputCover, DesignConditions base);
    void SizingDone(std::optional<SizingResult> sizing, std::string error);
    StudyControl Control();
    void ShowGoverning();

    ConditionsSource conditions_;
    Messenger& messenger_;
    std::function<std::string()> askCsvPath_;
    std::function<std::string()> designFile_ = [] { return std::string(); };
    QLineEdit *from_, *to_, *step_;
    QPushButton *start_, *cancel_, *size_, *apply_, *saveCsv_;
    QProgressBar* progress_;
    QLabel* sizeResult_;
    QLabel* state_;      // where the progress bar stands between studies: "中止しました"
    QLabel* staleNote_;  // over the figure: the study is of other conditions
    StudyFigure* figureView_;
    QTableWidget* table_;

    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    bool busy_ = false;
    std::shared_ptr<const StudyTable> study_;  // the last complete study, for its table
    DesignConditions studiedFrom_;             // the page's conditions the study shown started from
    Chart figure_;
    Grid governing_;
    std::optional<SizingResult> sizing_;
    DesignConditions sizedFrom_;  // the page's conditions the sizing started from
};
