// The main window (the form TForm1): the frame with the menu and the tool bar from which
// every command is reached; it opens the calculation table and ends the program after a
// confirmation. Its title names the design-condition file and marks unsaved changes; its
// status bar tells how many sections of the last run fail.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QStyle>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>

#include "app/about_box.h"
#include "app/file_functions.h"
#include "calc/calc_table.h"
#include "calc/messenger.h"
#include "report/report_run.h"
#include "ui/calc_table_window.h"

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Asks for a design-condition file, to save or to open; empty when cancelled.
    using PathPrompt = std::function<std::string(bool forSaving)>;
    // Where the window's place is kept between starts.
    static constexpr const char* kPlaceKey = "MainWindow";

    MainWindow(CalcTable& table, Messenger& messenger, FileFunctions files,
               QWidget* parent = nullptr);

    CalcTableWindow& CalculationTable() const { return *calcTable_; }
    AboutBox& About() const { return *about_; }
    void SetPathPrompt(PathPrompt prompt) { askPath_ = std::move(prompt); }
    // Asks for the PDF file of the report pages; empty when cancelled.
    void SetPdfPathPrompt(std::function<std::string()> prompt) { askPdfPath_ = std::move(prompt); }
    // Asks for the drawing file; empty when cancelled.
    void SetDxfPathPrompt(std::function<std::string()> prompt) { askDxfPath_ = std::move(prompt); }

    void Exit();
    void ShowCalculationTable();
    void ShowAbout();
    void SaveConditions();
    void LoadConditions();
    // Starts over from the input page's start-up defaults.
    void StartOver();
    void WriteTextReport();
    void StartRun();
    // Report page 1..10, in the order of the preview menu.
    void PreviewPage(int number);
    void PreviewWholeReport();
    void PrintReport();
    void PrinterSetup();
    void WritePdf();
    void WriteDrawing();

  signals:
    // The main window closed; the program ends.
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    ReportContext PageContext();
    // The gate of every command that shows, prints or exports results: a completed run's
    // results, of the conditions the page holds now. When the page has changed since, asks
    // whether to recalculate first; true when the results are current.
    bool ResultsOfCurrentInput();
    bool HasUnsavedChanges() const;
    // The title bar: the design-condition file's name and whether the page has changed since.
    void UpdateTitle();
    // The status bar's count of the sections the last run found over their limits.
    void ShowFailingSections();
    // The line over every report page, from the input page's header entries.
    std::string PageHeader() const;
    // Asks for a file and saves the conditions; false when cancelled or failed.
    bool Save();
    // Before the conditions are replaced or the program ends: asks whether to save changes
    // made since the last save or load. False when the user cancels or the save fails.
    bool ResolveUnsaved();
    void BuildMenu();
    void BuildToolBars();
    QAction* AddAction(QWidget* owner, const char* name, const QString& caption,
                       const QString& hint, QStyle::StandardPixmap picture,
                       void (MainWindow::*command)());

    CalcTable& table_;
    Messenger& messenger_;
    FileFunctions files_;
    PathPrompt askPath_;
    std::function<std::string()> askPdfPath_;
    std::function<std::string()> askDxfPath_;
    std::string designFile_;             // the design-condition file last loaded or saved
    std::unique_ptr<QPrinter> printer_;  // the current printer, for the whole program
    CalcTableWindow* calcTable_;
    QLabel* warningPanel_;  // the first panel of the status bar: the last run's range warnings
    AboutBox* about_;
    QToolButton* failingSections_;      // the status bar's third panel
    DesignConditions savedConditions_;  // as last saved, loaded or started over
    bool exitResolved_ = false;         // the exit command has asked everything it must
    bool shown_ = false;
};
