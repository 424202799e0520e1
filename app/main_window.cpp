// The main window: menu, tool bars, status bar and the commands they reach.
#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <ctime>
#include <exception>
#include <filesystem>

#include "app/report_pdf_file.h"
#include "calc/drawing/title_block.h"
#include "calc/results_ready.h"
#include "calc/section/section_design.h"
#include "report/check_page.h"
#include "report/report_pages.h"
#include "report/study_report_page.h"
#include "ui/fonts.h"
#include "ui/window_places.h"

namespace {

std::string AskDatPath(QWidget* parent, bool forSaving) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(QStringLiteral("dat (*.dat)"));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setDirectory(QDir::currentPath());
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

// A file to write, of the given kind and extension.
std::string AskSavePath(QWidget* parent, const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    dialog.setDirectory(QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

MainWindow::MainWindow(CalcTable& table, Messenger& messenger, FileFunctions files, QWidget* parent)
    : QMainWindow(parent),
      table_(table),
      messenger_(messenger),
      files_(std::move(files)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setFont(ControlFont(12));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(144, 160, 144));
    setPalette(palette);
    setAutoFillBackground(true);
    resize(623, 187);
    askPath_ = [this](bool forSaving) { return AskDatPath(this, forSaving); };
    askPdfPath_ = [this] {
        return AskSavePath(this, QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    };
    askDxfPath_ = [this] {
        return AskSavePath(this, QStringLiteral("DXF (*.dxf)"), QStringLiteral("dxf"));
    };
    BuildMenu();
    BuildToolBars();
    setCentralWidget(new QWidget);
    warningPanel_ = new QLabel;
    warningPanel_->setAlignment(Qt::AlignCenter);
    statusBar()->addWidget(warningPanel_, 1);
    auto* second = new QLabel;
    second->setFixedWidth(40);
    statusBar()->addPermanentWidget(second);
    failingSections_ = new QToolButton;
    failingSections_->setObjectName(QStringLiteral("FailingSections"));
    failingSections_->setFixedWidth(180);
    failingSections_->setAutoRaise(true);
    failingSections_->setStyleSheet(QStringLiteral("QToolButton { color: red; }"));
    failingSections_->setToolTip(QStringLiteral("Ⅳ．部材断面計算を表示します"));
    statusBar()->addPermanentWidget(failingSections_);

    calcTable_ = new CalcTableWindow(table_, messenger_, this);
    // Where the box lies outside the usual range: a warning beside the report, not in it.
    connect(calcTable_, &CalcTableWindow::ran, this, [this] {
        std::string text;
        for (const std::string& warning : table_.warnings)
            text += (text.empty() ? "" : "　") + warning;
        warningPanel_->setText(QString::fromStdString(text));
        warningPanel_->setToolTip(warningPanel_->text());
    });
    about_ = new AboutBox(this);
    savedConditions_ = calcTable_->Conditions();
    connect(failingSections_, &QToolButton::clicked, this, [this] {
        ShowCalculationTable();
        calcTable_->ShowSectionTab();
    });
    connect(calcTable_, &CalcTableWindow::ran, this, &MainWindow::ShowFailingSections);
    connect(calcTable_, &CalcTableWindow::conditionsEdited, this, &MainWindow::UpdateTitle);
    calcTable_->Study().SetDesignFileSource(
        [this] { return std::filesystem::path(designFile_).filename().string(); });
    ShowFailingSections();
    UpdateTitle();
}

void MainWindow::UpdateTitle() {
    const QString caption = QStringLiteral("ドルメタ （Dolmeta） Ver3.3");
    const QString path = QString::fromStdString(designFile_);
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty()
                       ? caption + QStringLiteral("[*]")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + caption);
    setWindowModified(HasUnsavedChanges());
}

void MainWindow::ShowFailingSections() {
    const int failing = table_.completedRun ? FailingSectionCount(table_) : 0;
    failingSections_->setText(failing ? QStringLiteral("許容応力度超過 %1断面").arg(failing)
                                      : QString());
    failingSections_->setEnabled(failing > 0);
}

QAction* MainWindow::AddAction(QWidget* owner, const char* name, const QString& caption,
                               const QString& hint, QStyle::StandardPixmap picture,
                               void (MainWindow::*command)()) {
    auto* action = new QAction(style()->standardIcon(picture), caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint.isEmpty() ? caption : hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, command);
    owner->addAction(action);
    return action;
}

void MainWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    AddAction(file, "LoadItem", QStringLiteral("1.設計条件読込..."), QStringLiteral("設計条件読込"),
              QStyle::SP_DialogOpenButton, &MainWindow::LoadConditions);
    AddAction(file, "SaveItem", QStringLiteral("2.設計条件保存..."), QStringLiteral("設計条件保存"),
              QStyle::SP_DialogSaveButton, &MainWindow::SaveConditions);
    AddAction(file, "NewItem", QStringLiteral("3.新規作成"),
              QStringLiteral("設計条件を初期値に戻す"), QStyle::SP_FileIcon,
              &MainWindow::StartOver);
    AddAction(file, "DxfItem", QStringLiteral("4.図面出力(DXF)..."), QStringLiteral("図面出力"),
              QStyle::SP_FileDialogNewFolder, &MainWindow::WriteDrawing);
    file->addSeparator();
    AddAction(file, "ExitItem", QStringLiteral("5.終了..."), QStringLiteral("終了"),
              QStyle::SP_DialogCloseButton, &MainWindow::Exit);

    QMenu* print = menuBar()->addMenu(QStringLiteral("印刷(&P)"));
    AddAction(print, "PrintItem", QStringLiteral("1.計算書印刷..."), QStringLiteral("印刷"),
              QStyle::SP_FileIcon, &MainWindow::PrintReport);
    QMenu* preview = print->addMenu(QStringLiteral("2.計算書ﾌﾟﾚﾋﾞｭｰ"));
    auto* whole = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                              QStringLiteral("全ページ"), this);
    whole->setObjectName(QStringLiteral("PreviewAllItem"));
    connect(whole, &QAction::triggered, this, &MainWindow::PreviewWholeReport);
    preview->addAction(whole);
    preview->addSeparator();
    int number = 0;  // the report pages in the order of the menu
    const auto page = [&](QMenu* menu, const char* caption) {
        auto* action = new QAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                   QString::fromUtf8(caption), this);
        action->setObjectName(QStringLiteral("PreviewItem%1").arg(++number));
        connect(action, &QAction::triggered, this, [this, number] { PreviewPage(number); });
        menu->addAction(action);
    };
    page(preview, "Ⅰ．設計条件...");
    QMenu* loads = preview->addMenu(QStringLiteral("Ⅱ．荷重値"));
    for (const char* caption :
         {"1．荷重値計算(1)...", "2．荷重値計算(2)...", "3．荷重値計算(3)..."})
        page(loads, caption);
    QMenu* frame = preview->addMenu(QStringLiteral("Ⅲ．ﾗｰﾒﾝ解析"));
    for (const char* caption :
         {"1．荷重項...", "2．接点曲げﾓｰﾒﾝﾄ...", "3．部材断面力...", "4．断面力集計"})
        page(frame, caption);
    page(preview, "Ⅳ．部材断面計算...");
    page(preview, "Ⅴ．概要図...");
    print->addSeparator();
    AddAction(print, "PrinterSetupItem", QStringLiteral("3.プリンタ設定..."), QString(),
              QStyle::SP_ComputerIcon, &MainWindow::PrinterSetup);
    AddAction(print, "PdfItem", QStringLiteral("4.計算書PDF出力..."), QStringLiteral("PDF出力"),
              QStyle::SP_DriveFDIcon, &MainWindow::WritePdf);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    AddAction(edit, "TextItem", QStringLiteral("1.テキスト出力..."), QStringLiteral("ﾃｷｽﾄ出力"),
              QStyle::SP_FileDialogDetailedView, &MainWindow::WriteTextReport);
    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    AddAction(view, "TableItem", QStringLiteral("1.計算テーブル"), QString(),
              QStyle::SP_FileDialogListView, &MainWindow::ShowCalculationTable);
    QMenu* run = menuBar()->addMenu(QStringLiteral("実行(&R)"));
    AddAction(run, "RunItem", QStringLiteral("1.計算開始"), QString(), QStyle::SP_MediaPlay,
              &MainWindow::StartRun);
    QMenu* system = menuBar()->addMenu(QStringLiteral("システム(&S)"));
    AddAction(system, "AboutItem", QStringLiteral("2.このシステムは..."), QString(),
              QStyle::SP_MessageBoxInformation, &MainWindow::ShowAbout);
}

void MainWindow::BuildToolBars() {
    const auto button = [this](QToolBar* bar, int width, const char* name, const char* caption,
                               const char* hint, QStyle::StandardPixmap picture,
                               void (MainWindow::*command)()) {
        QAction* action = AddAction(bar, name, QString::fromUtf8(caption), QString::fromUtf8(hint),
                                    picture, command);
        QWidget* widget = bar->widgetForAction(action);
        widget->setFixedSize(width, 35);
    };
    QToolBar* main = addToolBar(QStringLiteral("main"));
    QToolBar* table = addToolBar(QStringLiteral("table"));
    for (QToolBar* bar : {main, table}) {
        bar->setMovable(false);
        bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        bar->setIconSize(QSize(16, 16));
    }
    button(main, 60, "ToolButton1", "終了", "終了", QStyle::SP_DialogCloseButton,
           &MainWindow::Exit);
    main->addSeparator();
    button(main, 60, "ToolButton3", "読込", "設計条件読込", QStyle::SP_DialogOpenButton,
           &MainWindow::LoadConditions);
    button(main, 60, "ToolButton4", "保存", "設計条件保存", QStyle::SP_DialogSaveButton,
           &MainWindow::SaveConditions);
    button(main, 60, "ToolButton5", "印刷", "印刷", QStyle::SP_FileIcon, &MainWindow::PrintReport);
    main->addSeparator();
    button(main, 60, "ToolButton10", "ﾃｷｽﾄ出力", "ﾃｷｽﾄ出力", QStyle::SP_FileDialogDetailedView,
           &MainWindow::WriteTextReport);
    button(table, 64, "ToolButton11", "計算ﾃｰﾌﾞﾙ", "", QStyle::SP_FileDialogListView,
           &MainWindow::ShowCalculationTable);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    ShowCalculationTable();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closed by its title bar the program ends without the exit question, but changes are
    // not lost without a word.
    if (!exitResolved_ && !ResolveUnsaved()) {
        event->ignore();
        return;
    }
    event->accept();
    KeepPlace(*this, kPlaceKey);
    if (calcTable_->isVisible()) calcTable_->KeepWindowPlace();
    emit closed();
}

void MainWindow::Exit() {
    // One question: about the unsaved changes when there are any, else whether to end.
    if (HasUnsavedChanges() ? !ResolveUnsaved() : !messenger_.Confirm("終了しますか。")) return;
    exitResolved_ = true;
    close();
}

bool MainWindow::HasUnsavedChanges() const {
    return calcTable_->Conditions() != savedConditions_;
}

bool MainWindow::ResolveUnsaved() {
    if (!HasUnsavedChanges()) return true;
    switch (messenger_.Ask("変更を保存しますか？")) {
        case Messenger::Answer::Yes:
            return Save();
        case Messenger::Answer::No:
            return true;
        case Messenger::Answer::Cancel:
            break;
    }
    return false;
}

void MainWindow::ShowCalculationTable() {
    calcTable_->show();
    calcTable_->raise();
    calcTable_->activateWindow();
}

void MainWindow::ShowAbout() {
    about_->show();
    about_->raise();
}

bool MainWindow::Save() {
    const std::string path = askPath_(true);
    if (path.empty()) return false;
    ShowCalculationTable();
    calcTable_->FinishEditing();
    const DesignConditions conditions = calcTable_->Conditions();
    const FileResult saved = files_.save(path, conditions);
    if (!saved.ok()) {
        messenger_.Warn(saved.message);
        return false;
    }
    savedConditions_ = conditions;
    designFile_ = path;
    UpdateTitle();
    statusBar()->showMessage(QStringLiteral("設計条件を保存しました。 ") +
                             QDir::toNativeSeparators(QString::fromStdString(path)));
    return true;
}

void MainWindow::SaveConditions() {
    Save();
}

void MainWindow::LoadConditions() {
    if (!ResolveUnsaved()) return;
    const std::string path = askPath_(false);
    if (path.empty()) return;
    ShowCalculationTable();
    // The file is read completely before the page changes, so a bad file changes nothing.
    DesignConditions conditions = calcTable_->Conditions();
    const FileResult loaded = files_.load(path, conditions);
    if (!loaded.ok()) {
        messenger_.Warn(loaded.message);
        return;
    }
    calcTable_->SetConditions(conditions);
    designFile_ = path;
    savedConditions_ = calcTable_->Conditions();
    UpdateTitle();
}

void MainWindow::StartOver() {
    if (!ResolveUnsaved()) return;
    ShowCalculationTable();
    calcTable_->SetConditions(DesignConditions{});
    savedConditions_ = calcTable_->Conditions();
    designFile_.clear();
    UpdateTitle();
}

void MainWindow::WriteTextReport() {
    if (!ResultsOfCurrentInput()) return;
    if (!messenger_.Confirm(
            "計算結果をテキスト出力しますか。\n\n出力ファイル名は\n　Box.txt\nです。"))
        return;
    const QString path = QDir::currentPath() + QStringLiteral("/Box.txt");
    if (QFileInfo::exists(path) &&
        !messenger_.Confirm("Box.txt は既にあります。\n上書きしますか？"))
        return;
    const FileResult written = files_.writeTextReport(path.toStdString(), table_);
    if (written.ok())
        messenger_.Inform("テキスト出力終わりました。\n" +
                          QDir::toNativeSeparators(path).toStdString());
    else
        messenger_.Warn(written.message);
}

void MainWindow::StartRun() {
    ShowCalculationTable();
    calcTable_->Run();
}

bool MainWindow::ResultsOfCurrentInput() {
    if (!ResultsReady(table_, messenger_)) return false;
    calcTable_->FinishEditing();
    if (!calcTable_->ResultsStale()) return true;
    if (!messenger_.Confirm("入力が変更されています。再計算してから出力しますか？")) return false;
    StartRun();
    return table_.completedRun && !calcTable_->ResultsStale();
}

ReportContext MainWindow::PageContext() {
    ReportContext context{table_, calcTable_->Input().FigureColourChoice(), *printer_, this};
    context.header = PageHeader();
    context.hideCalcTable = [this] { calcTable_->hide(); };
    context.showCalcTable = [this] { ShowCalculationTable(); };
    return context;
}

std::string MainWindow::PageHeader() const {
    const DesignConditions conditions = calcTable_->Conditions();
    return ReportHeader(conditions.projectName, conditions.designer);
}

void MainWindow::PreviewPage(int number) {
    if (!ResultsOfCurrentInput()) return;
    ReportContext context = PageContext();
    const ReportOutcome outcome = PreviewReportPage(number, context);
    if (!outcome.Succeeded() && !outcome.message.empty()) messenger_.Warn(outcome.message);
}

void MainWindow::PreviewWholeReport() {
    if (!ResultsOfCurrentInput()) return;
    ReportContext context = PageContext();
    ::PreviewWholeReport(context);
}

void MainWindow::PrintReport() {
    if (!ResultsOfCurrentInput()) return;
    ReportContext context = PageContext();
    std::vector<ReportPage> extra;
    if (messenger_.Confirm("照査一覧のページも印刷しますか。"))
        extra.push_back(BuildCheckPage(table_));
    ::PrintReport(context, messenger_, extra);
}

void MainWindow::PrinterSetup() {
    OpenPrinterSetup(*printer_, this);
}

void MainWindow::WritePdf() {
    if (!ResultsOfCurrentInput()) return;
    const std::string path = askPdfPath_();
    if (path.empty()) return;
    // The summary of the checks, and the design study once there is one, may follow the ten
    // pages.
    std::vector<ReportPage> extra;
    if (messenger_.Confirm("照査一覧のページも出力しますか。"))
        extra.push_back(BuildCheckPage(table_));
    const StudyPage& study = calcTable_->Study();
    if (study.HasCurrentStudy() && messenger_.Confirm("設計検討のページも出力しますか。"))
        extra.push_back(BuildStudyPage(study.Figure(), study.Governing()));
    const FileResult written =
        WriteReportPdf(path, table_, calcTable_->Input().FigureColourChoice(), extra, PageHeader());
    if (!written.ok()) messenger_.Warn(written.message);
}

void MainWindow::WriteDrawing() {
    if (!ResultsOfCurrentInput()) return;
    const std::string path = askDxfPath_();
    if (path.empty()) return;
    // The drawing is named after the design-condition file, or after itself.
    const std::string name =
        std::filesystem::path(designFile_.empty() ? path : designFile_).filename().string();
    const FileResult written = files_.writeDrawing(
        path, table_, {calcTable_->Conditions().projectName, name, DateText(std::time(nullptr))});
    if (written.ok())
        messenger_.Inform("図面を出力しました。");
    else
        messenger_.Warn(written.message);
}
