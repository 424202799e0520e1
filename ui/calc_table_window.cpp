// The calculation table: wiring of the input page, the dialogs and the result tabs.
#include "ui/calc_table_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <exception>

#include "calc/figure_controls.h"
#include "ui/fonts.h"

namespace {

constexpr int kClientWidth = 683;
constexpr int kClientHeight = 439;
// Tabs selected whenever the window is shown: the input page, "1．荷重値計算" of chapter II
// and "3．部材断面力計算" of chapter III.
constexpr TabSelection kShowingTabs{0, 0, 2};

}  // namespace

CalcTableWindow::CalcTableWindow(CalcTable& table, Messenger& messenger, QWidget* parent)
    : QDialog(parent), table_(table), messenger_(messenger) {
    setWindowTitle(QStringLiteral("計算テーブル"));
    setFont(ControlFont(12));
    setFixedSize(kClientWidth, kClientHeight);
    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setGeometry(0, 0, kClientWidth, kClientHeight);
    SetTabSize(pageControl1_, 112, 22);
    input_ = new InputPage(nullptr);
    input_->setObjectName(QStringLiteral("TabSheet1"));
    pageControl1_->addTab(input_, QStringLiteral("設計条件入力"));
    results_ = std::make_unique<ResultPages>(table_, pageControl1_);

    stressDialog_ = new AllowableStressDialog(this);
    tLoadDialog_ = new TLoadDialog(messenger_, this);

    connect(input_, &InputPage::runRequested, this, [this] { Run(); });
    connect(input_, &InputPage::stressSupportRequested, this,
            [this] { stressDialog_->Open(frameGeometry().topLeft()); });
    connect(input_, &InputPage::tLoadRequested, this,
            [this] { tLoadDialog_->OpenTLoad(frameGeometry().topLeft()); });
    connect(input_, &InputPage::combinationRequested, this,
            [this] { tLoadDialog_->OpenCombination(frameGeometry().topLeft()); });
    connect(stressDialog_, &AllowableStressDialog::transferred, input_,
            &InputPage::TakeAllowableStresses);
    connect(tLoadDialog_, &TLoadDialog::captionTransferred, input_,
            &InputPage::SetFirstLiveLoadCaption);
    connect(tLoadDialog_, &TLoadDialog::combinationTransferred, input_, &InputPage::SetCombination);
    connect(input_, &InputPage::figureFontSizeChanged, this, [this](int size) {
        SetFigureFontSize(table_, size);
        results_->RepaintFigures();
    });
    connect(input_, &InputPage::figureColoursClicked, this, [this](int item) {
        SetFigureColours(table_, item);
        results_->RepaintFigures();
    });
}

CalcTableWindow::~CalcTableWindow() = default;

DesignConditions CalcTableWindow::Conditions() const {
    DesignConditions conditions = input_->Read();
    conditions.tWeight = tLoadDialog_->Weight();
    conditions.tAxleDistance = tLoadDialog_->AxleDistance();
    conditions.tImpactDepth = tLoadDialog_->ImpactDepth();
    return conditions;
}

void CalcTableWindow::SetConditions(const DesignConditions& conditions) {
    input_->Apply(conditions);
}

RunResult CalcTableWindow::Run() {
    RunResult result = RunResult::ConversionError;
    try {
        result = RunCalculation(Conditions(), table_, messenger_);
    } catch (const std::exception& error) {
        // A stage that fails unexpectedly ends the run with its message, not the program.
        messenger_.Inform(error.what());
    }
    ShowResults();
    return result;
}

void CalcTableWindow::ShowResults() {
    results_->Refresh();
    SelectTabs(table_.tabs);
}

void CalcTableWindow::SelectTabs(const TabSelection& tabs) {
    pageControl1_->setCurrentIndex(tabs.page1);
    results_->ChapterTwoPages()->setCurrentIndex(tabs.page2);
    results_->ChapterThreePages()->setCurrentIndex(tabs.page3);
}

void CalcTableWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SelectTabs(kShowingTabs);
    if (shown_) return;
    // The entries are set up once only, so that showing the window again never changes
    // what the engineer entered.
    shown_ = true;
    input_->SetUpFirstShowing();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
