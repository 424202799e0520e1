// The calculation table: wiring of the input page, the dialogs and the result tabs.
#include "ui/calc_table_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <exception>

#include "calc/figure_controls.h"
#include "calc/read_conditions.h"
#include "ui/fonts.h"
#include "ui/growing_layout.h"
#include "ui/page_controls.h"
#include "ui/window_places.h"

namespace {

constexpr int kClientWidth = 683;
constexpr int kClientHeight = 439;
constexpr const char* kPlaceKey = "CalcTable";
// Tabs selected whenever the window is shown: the input page, "1．荷重値計算" of chapter II
// and "3．部材断面力計算" of chapter III.
constexpr TabSelection kShowingTabs{0, 0, 2};

// Where the stale-results note stands on each result tab at the design size: its right edge
// and its top on the tab page, over a group's caption row or beside the sub-page tabs, where
// it hides no result.
struct NotePlace {
    int right;
    int top;
};
constexpr NotePlace kNotePlaces[] = {{657, 0}, {660, 2}, {650, 24}, {657, 0}, {385, 0}, {660, 2}};
constexpr int kNoteHeight = 15;

}  // namespace

CalcTableWindow::CalcTableWindow(CalcTable& table, Messenger& messenger, QWidget* parent)
    : QDialog(parent), table_(table), messenger_(messenger) {
    setWindowTitle(QStringLiteral("計算テーブル"));
    setFont(ControlFont(12));
    // Smaller, the input page would be cut off.
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);
    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    pageControl1_->setGeometry(0, 0, kClientWidth, kClientHeight);
    SetTabSize(pageControl1_, 112, 22);
    input_ = new InputPage(nullptr);
    input_->setObjectName(QStringLiteral("TabSheet1"));
    pageControl1_->addTab(input_, QStringLiteral("設計条件入力"));
    results_ = std::make_unique<ResultPages>(table_, pageControl1_);
    for (int k = 0; k < pageControl1_->count(); ++k) RememberDesignPlaces(pageControl1_->widget(k));

    staleNote_ =
        MakeNote(this, "StaleNote", QStringLiteral("※最後に成功した計算の結果です"),
                 QStringLiteral("入力が変更されたか計算が止まったため、表示中の結果は今の設計条件の"
                                "ものではありません。計算開始で更新されます。"));
    study_ = new StudyPage([this] { return Conditions(); }, messenger_);
    study_->setObjectName(QStringLiteral("StudyTab"));
    pageControl1_->addTab(study_, QStringLiteral("設計検討"));
    RememberDesignPlaces(study_);

    stressDialog_ = new AllowableStressDialog(this);
    tLoadDialog_ = new TLoadDialog(messenger_, this);
    waterDialog_ = new WaterDialog(messenger_, this);
    cellDialog_ = new CellDialog(messenger_, this);

    connect(input_, &InputPage::runRequested, this, [this] { Run(); });
    connect(input_, &InputPage::stressSupportRequested, this,
            [this] { stressDialog_->Open(frameGeometry().topLeft()); });
    connect(input_, &InputPage::tLoadRequested, this,
            [this] { tLoadDialog_->OpenTLoad(frameGeometry().topLeft()); });
    connect(input_, &InputPage::combinationRequested, this,
            [this] { tLoadDialog_->OpenCombination(frameGeometry().topLeft()); });
    connect(input_, &InputPage::waterRequested, this,
            [this] { waterDialog_->Open(Conditions(), frameGeometry().topLeft()); });
    connect(waterDialog_, &WaterDialog::transferred, this, [this] {
        DesignConditions conditions = input_->Read();
        waterDialog_->Take(conditions);
        input_->SetWater(conditions);
    });
    connect(input_, &InputPage::cellsRequested, this,
            [this] { cellDialog_->Open(Conditions(), frameGeometry().topLeft()); });
    connect(cellDialog_, &CellDialog::transferred, this, [this] {
        DesignConditions conditions = input_->Read();
        cellDialog_->Take(conditions);
        input_->SetCells(conditions);
    });
    connect(stressDialog_, &AllowableStressDialog::transferred, input_,
            &InputPage::TakeAllowableStresses);
    connect(tLoadDialog_, &TLoadDialog::captionTransferred, input_,
            &InputPage::SetFirstLiveLoadCaption);
    connect(tLoadDialog_, &TLoadDialog::combinationTransferred, input_, &InputPage::SetCombination);
    connect(pageControl1_, &QTabWidget::currentChanged, this, [this](int index) {
        if (pageControl1_->widget(index) == study_) study_->PageShown();
    });
    connect(study_, &StudyPage::thicknessesApplied, this, [this](const DesignConditions& sized) {
        DesignConditions conditions = input_->Read();
        conditions.Tu = sized.Tu;
        conditions.TL = sized.TL;
        conditions.Tb = sized.Tb;
        if (sized.cells > 1) conditions.Tm = sized.Tm;
        conditions.B = sized.B;
        conditions.H = sized.H;
        input_->Apply(conditions);
    });
    connect(input_, &InputPage::figureFontSizeChanged, this, [this](int size) {
        SetFigureFontSize(table_, size);
        results_->RepaintFigures();
    });
    connect(input_, &InputPage::figureColoursClicked, this, [this](int item) {
        SetFigureColours(table_, item);
        results_->RepaintFigures();
    });
    connect(input_, &InputPage::edited, this, &CalcTableWindow::conditionsEdited);
    connect(tLoadDialog_, &TLoadDialog::edited, this, &CalcTableWindow::conditionsEdited);
    connect(this, &CalcTableWindow::conditionsEdited, this, &CalcTableWindow::UpdateStaleNote);
    connect(this, &CalcTableWindow::conditionsEdited, study_, &StudyPage::ConditionsChanged);
    connect(pageControl1_, &QTabWidget::currentChanged, this, &CalcTableWindow::UpdateStaleNote);
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
    tLoadDialog_->SetTexts(conditions.tWeight, conditions.tAxleDistance, conditions.tImpactDepth);
}

void CalcTableWindow::FinishEditing() {
    input_->FinishEditing();
    tLoadDialog_->FinishEditing();
}

RunResult CalcTableWindow::Run() {
    FinishEditing();
    const DesignConditions conditions = Conditions();
    RunResult result = RunResult::ConversionError;
    try {
        result = RunCalculation(conditions, table_, messenger_);
    } catch (const std::exception& error) {
        // A stage that fails unexpectedly ends the run with its message, not the program.
        messenger_.Warn(error.what());
    }
    KeepColourChoice(table_, input_->FigureColourChoice());
    lastRunFailed_ = result != RunResult::Completed || !table_.completedRun;
    if (!lastRunFailed_) resultConditions_ = conditions;
    ShowResults();
    UpdateStaleNote();
    emit ran();
    if (result == RunResult::ConversionError) FocusField(UnconvertibleField(conditions));
    if (result == RunResult::CheckFailed) {
        const std::vector<std::string> fields = FirstFailedCheckFields(conditions);
        const std::string edited = input_->LastEditedAmong(fields);
        if (!fields.empty()) FocusField(edited.empty() ? fields.front() : edited);
    }
    return result;
}

void CalcTableWindow::FocusField(const std::string& name) {
    QWidget* field = input_->FieldNamed(name);
    if (!field && tLoadDialog_->FieldNamed(name)) {
        tLoadDialog_->OpenTLoad(frameGeometry().topLeft());
        field = tLoadDialog_->FieldNamed(name);
    }
    if (!field && waterDialog_->FieldNamed(name)) {
        waterDialog_->Open(Conditions(), frameGeometry().topLeft());
        field = waterDialog_->FieldNamed(name);
    }
    if (!field && cellDialog_->FieldNamed(name)) {
        cellDialog_->Open(Conditions(), frameGeometry().topLeft());
        field = cellDialog_->FieldNamed(name);
    }
    if (!field) return;
    pageControl1_->setCurrentWidget(input_);
    field->window()->activateWindow();
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

bool CalcTableWindow::ResultsStale() const {
    return resultConditions_ &&
           (lastRunFailed_ || !SameCalculation(Conditions(), *resultConditions_));
}

void CalcTableWindow::UpdateStaleNote() {
    const bool stale = ResultsStale();
    const int tab = pageControl1_->currentIndex();
    // The study tab says itself whether its study is of the page's conditions.
    if (!stale || tab < 1 || tab > static_cast<int>(std::size(kNotePlaces))) {
        staleNote_->hide();
        return;
    }
    // Placed on the tab page as the page's own controls are, for the window's growth.
    const NotePlace place = kNotePlaces[tab - 1];
    const QWidget* page = pageControl1_->currentWidget();
    const QSize growth = size() - QSize(kClientWidth, kClientHeight);
    const int right =
        Grown(place.right, growth.width(), PageSize(pageControl1_, size() - growth).width());
    const QPoint topLeft = page->mapTo(this, QPoint(right - staleNote_->width(), place.top));
    staleNote_->setGeometry(QRect(topLeft, QSize(staleNote_->width(), kNoteHeight)));
    staleNote_->show();
    staleNote_->raise();
}

void CalcTableWindow::ShowResults() {
    results_->Refresh();
    SelectTabs(table_.tabs);
}

void CalcTableWindow::ShowSectionTab() {
    pageControl1_->setCurrentWidget(
        pageControl1_->findChild<QWidget*>(QStringLiteral("TabSheet10")));
}

void CalcTableWindow::SelectTabs(const TabSelection& tabs) {
    pageControl1_->setCurrentIndex(tabs.page1);
    results_->ChapterTwoPages()->setCurrentIndex(tabs.page2);
    results_->ChapterThreePages()->setCurrentIndex(tabs.page3);
}

void CalcTableWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut(size());
    UpdateStaleNote();
}

void CalcTableWindow::LayOut(QSize size) {
    pageControl1_->setGeometry(QRect(QPoint(), size));
    const QSize design(kClientWidth, kClientHeight);
    const QSize growth = size - design;
    ShiftWithContainer(input_, QPoint(growth.width() / 2, growth.height() / 2));
    for (int k = 1; k < pageControl1_->count(); ++k)
        GrowWithContainer(pageControl1_->widget(k), growth, PageSize(pageControl1_, design));
}

QSize CalcTableWindow::OpeningSize() {
    const QTableWidget* grid = results_->GridView("StringGrid3");
    const auto whole = [grid] {
        int width = 2 * grid->frameWidth(), height = 2 * grid->frameWidth();
        for (int c = 0; c < grid->columnCount(); ++c) width += grid->columnWidth(c);
        for (int r = 0; r < grid->rowCount(); ++r) height += grid->rowHeight(r);
        return grid->width() >= width && grid->height() >= height;
    };
    // Room for the window's frame is left on the screen.
    constexpr int kFrameRoom = 16;
    const QScreen* screen = this->screen();
    int low = kClientWidth;
    int high = screen ? std::max(low, screen->availableGeometry().width() - kFrameRoom) : low;
    while (low < high) {
        const int middle = (low + high) / 2;
        LayOut(QSize(middle, kClientHeight));
        if (whole())
            high = middle;
        else
            low = middle + 1;
    }
    LayOut(size());
    return {low, kClientHeight};
}

void CalcTableWindow::KeepWindowPlace() const {
    KeepPlace(*this, kPlaceKey);
}

void CalcTableWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    KeepWindowPlace();
}

void CalcTableWindow::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalcTableWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SelectTabs(kShowingTabs);
    if (shown_) return;
    // The entries are set up once only, so that showing the window again never changes
    // what the engineer entered.
    shown_ = true;
    input_->SetUpFirstShowing();
    if (RestorePlace(*this, kPlaceKey)) return;
    resize(OpeningSize());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
