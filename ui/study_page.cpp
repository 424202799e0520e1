// The study tab: its controls, the worker thread and what it shows when a study ends.
#include "ui/study_page.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "calc/decimal.h"
#include "calc/drawing/title_block.h"
#include "calc/study/cover_study.h"
#include "calc/study/numeric_inputs.h"
#include "calc/study/study_names.h"
#include "files/study_csv.h"
#include "ui/charts/chart_painter.h"
#include "ui/fonts.h"
#include "ui/grid_cells.h"
#include "ui/growing_layout.h"
#include "ui/page_controls.h"

// The study's figure, drawn by the figure painter.
class StudyFigure : public QWidget {
  public:
    explicit StudyFigure(const Chart& chart, QWidget* parent) : QWidget(parent), chart_(chart) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        PaintChart(painter, chart_, rect());
    }

  private:
    const Chart& chart_;
};

namespace {

constexpr std::size_t kMaxCovers = 10'000;
constexpr int kProgressSteps = 1000;
constexpr double kShallowestFrom = 0.5;  // m, where the default range starts

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

// Whether FROM:TO:STEP holds more covers than a study takes, also where it holds too many to
// be listed.
bool TooManyCovers(const std::string& from, const std::string& to, const std::string& step) {
    try {
        const double first = ParseDouble(from, "from"), last = ParseDouble(to, "to"),
                     interval = ParseDouble(step, "step");
        return interval > 0 && last >= first && (last - first) / interval >= kMaxCovers;
    } catch (const ConversionError&) {
        return false;
    }
}

std::string SizingText(const SizingResult& sizing) {
    if (!sizing.found)
        return "0.20～1.50 m の部材厚では、全ての土かぶりで許容応力度内となる断面がありません。";
    const DesignConditions& box = sizing.sized;
    const DesignResult& worst = sizing.governing;
    char utilisation[32];
    std::snprintf(utilisation, sizeof utilisation, "%.3f", worst.maxUtilisation);
    std::string text =
        "頂版 Tu=" + box.Tu + " m\n側壁 TL=" + box.TL + " m\n底版 Tb=" + box.Tb + " m\n" +
        (box.cells > 1 ? "中壁 Tm=" + box.Tm + " m\n" : "") + "外形 B=" + box.B + "  H=" + box.H +
        " m\n支配土かぶり h1=" + CoverText(ParseDouble(sizing.governingCover, "h1")) +
        " m\n応力度比 " + utilisation;
    if (worst.governingSection >= 0)
        text += "（" + DesignSectionNames()[worst.governingSection] + " " +
                CriterionName(worst.governingCriterion) + "）";
    return text;
}

}  // namespace

StudyPage::StudyPage(ConditionsSource conditions, Messenger& messenger, QWidget* parent)
    : QWidget(parent), conditions_(std::move(conditions)), messenger_(messenger) {
    QGroupBox* range =
        MakeGroup(this, QStringLiteral("検討範囲　土かぶり（ｍ）"), {4, 2, 170, 132}, true);
    MakeLabel(range, QStringLiteral("始点"), {10, 22, 50, 18});
    from_ = MakeEdit(range, "StudyFrom", QStringLiteral("最小の土かぶり"), {64, 20, 60, 20});
    MakeLabel(range, QStringLiteral("終点"), {10, 46, 50, 18});
    to_ = MakeEdit(range, "StudyTo", QStringLiteral("最大の土かぶり"), {64, 44, 60, 20});
    MakeLabel(range, QStringLiteral("間隔"), {10, 70, 50, 18});
    step_ = MakeEdit(range, "StudyStep", QStringLiteral("土かぶりの間隔"), {64, 68, 60, 20});
    start_ = MakeButton(range, "StudyStart", QStringLiteral("検討開始"), {10, 98, 150, 26});
    from_->setText(QString::fromStdString(DecimalText(kShallowestFrom)));
    step_->setText(QStringLiteral("0.10"));

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("StudyProgress"));
    progress_->setGeometry(4, 140, 170, 16);
    progress_->setRange(0, kProgressSteps);
    progress_->setTextVisible(false);
    progress_->hide();  // shown while a study runs, where the state stands otherwise
    state_ = MakeLabel(this, QString(), {4, 138, 170, 20});
    state_->setObjectName(QStringLiteral("StudyState"));
    cancel_ = MakeButton(this, "StudyCancel", QStringLiteral("中止"), {4, 160, 80, 24});
    saveCsv_ = MakeButton(this, "StudySaveCsv", QStringLiteral("CSV保存..."), {94, 160, 80, 24});
    cancel_->setEnabled(false);
    saveCsv_->setEnabled(false);

    QGroupBox* sizing = MakeGroup(this, QStringLiteral("最小部材厚"), {4, 190, 170, 200}, true);
    size_ = MakeButton(sizing, "StudySize", QStringLiteral("最小部材厚"), {10, 20, 150, 26});
    sizeResult_ = MakeLabel(sizing, QString(), {10, 50, 156, 112});
    sizeResult_->setObjectName(QStringLiteral("StudySizeResult"));
    sizeResult_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sizeResult_->setWordWrap(true);
    apply_ = MakeButton(sizing, "StudyApply", QStringLiteral("入力に反映"), {10, 166, 150, 26});
    apply_->setEnabled(false);

    figure_ = CoverStudyChart({});
    figureView_ = new StudyFigure(figure_, this);
    figureView_->setObjectName(QStringLiteral("StudyFigure"));
    MarkGrowing(figureView_);
    figureView_->setGeometry(180, 2, 493, 272);
    staleNote_ =
        MakeNote(figureView_, "StudyStaleNote", QStringLiteral("※今の設計条件の検討ではありません"),
                 QStringLiteral("検討の後で入力が変更されました。この検討はPDFにも"
                                "CSVにも出力されません。検討開始で検討し直せます。"));
    staleNote_->move(figureView_->width() - staleNote_->width() - 4, 4);

    governing_ = GoverningCoverGrid({});
    table_ = new QTableWidget(governing_.rows, governing_.columns, this);
    table_->setObjectName(QStringLiteral("StudyTable"));
    table_->setGeometry(180, 278, 320, governing_.rows * 18 + 4);
    table_->horizontalHeader()->hide();
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setMinimumSectionSize(18);
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ShowGoverning();

    connect(start_, &QPushButton::clicked, this, &StudyPage::StartStudy);
    connect(size_, &QPushButton::clicked, this, &StudyPage::StartSizing);
    connect(cancel_, &QPushButton::clicked, this, &StudyPage::Cancel);
    connect(saveCsv_, &QPushButton::clicked, this, &StudyPage::SaveCsv);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (sizing_ && sizing_->found) emit thicknessesApplied(sizing_->sized);
    });
    askCsvPath_ = [this] {
        QFileDialog dialog(this, QStringLiteral("設計検討の保存"), QDir::currentPath(),
                           QStringLiteral("csv (*.csv)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::string();
        return dialog.selectedFiles().front().toStdString();
    };
}

StudyPage::~StudyPage() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
}

void StudyPage::PageShown() {
    const DesignConditions conditions = conditions_();
    if (sizing_ && !busy_ && !SameCalculation(conditions, sizedFrom_)) {
        sizing_.reset();
        sizeResult_->clear();
        apply_->setEnabled(false);
    }
    ConditionsChanged();
    try {
        const double cover = ParseDouble(conditions.h1, "h1");
        if (!from_->isModified())
            from_->setText(QString::fromStdString(DecimalText(std::min(kShallowestFrom, cover))));
        if (!to_->isModified()) to_->setText(QString::fromStdString(DecimalText(2 * cover)));
    } catch (const ConversionError&) {
        // The run will name the text; the range waits for a cover that is a number.
    }
}

std::optional<SweepRange> StudyPage::Range() {
    const std::string from = from_->text().trimmed().toStdString(),
                      to = to_->text().trimmed().toStdString(),
                      step = step_->text().trimmed().toStdString();
    std::string error;
    auto range = ParseSweepRange("h1=" + from + ":" + to + ":" + step, error);
    const bool tooMany = range ? ValueCount(*range) > kMaxCovers : TooManyCovers(from, to, step);
    if (range && range->from >= 0 && !tooMany) return range;
    messenger_.Warn(tooMany ? "検討範囲は10,000点までです。\n訂正して下さい。"
                            : "検討範囲がおかしいです。\n訂正して下さい。");
    return std::nullopt;
}

StudyControl StudyPage::Control() {
    StudyControl control;
    control.cancel = &cancelled_;
    control.progress = [this](std::size_t done, std::size_t total) {
        const int value = static_cast<int>(done * kProgressSteps / total);
        QMetaObject::invokeMethod(
            progress_, [bar = progress_, value] { bar->setValue(value); }, Qt::QueuedConnection);
    };
    return control;
}

void StudyPage::Begin() {
    if (worker_.joinable()) worker_.join();  // the last one has ended: it said so
    busy_ = true;
    cancelled_ = false;
    progress_->setValue(0);
    state_->hide();
    progress_->show();
    for (QWidget* control : {static_cast<QWidget*>(start_), static_cast<QWidget*>(size_),
                             static_cast<QWidget*>(apply_), static_cast<QWidget*>(saveCsv_)})
        control->setEnabled(false);
    cancel_->setEnabled(true);
}

void StudyPage::End(bool cancelled) {
    if (worker_.joinable()) worker_.join();
    busy_ = false;
    progress_->hide();
    state_->setText(cancelled ? QStringLiteral("中止しました") : QString());
    state_->show();
    start_->setEnabled(true);
    size_->setEnabled(true);
    cancel_->setEnabled(false);
    saveCsv_->setEnabled(HasStudy());
    apply_->setEnabled(sizing_ && sizing_->found);
    emit finished();
}

void StudyPage::StartStudy() {
    if (busy_) return;
    const auto range = Range();
    if (!range) return;
    const DesignConditions base = conditions_();
    double inputCover = std::nan("");
    try {
        inputCover = ParseDouble(base.h1, "h1");
    } catch (const ConversionError&) {
        // No marker for a cover that is no number.
    }
    Begin();
    worker_ = std::thread([this, base, range = *range, inputCover, control = Control()] {
        auto study = std::make_shared<StudyTable>(std::vector{range});
        std::vector<DesignResult> results(study->size());
        const bool complete =
            EvaluateRows(base, *study, control,
                         [&results](std::size_t i, const DesignResult& r) { results[i] = r; });
        QMetaObject::invokeMethod(
            this,
            [this, study = std::move(study), results = std::move(results), complete, inputCover,
             base]() mutable {
                StudyDone(std::move(study), std::move(results), complete, inputCover,
                          std::move(base));
            },
            Qt::QueuedConnection);
    });
}

void StudyPage::StudyDone(std::shared_ptr<const StudyTable> study,
                          std::vector<DesignResult> results, bool complete, double inputCover,
                          DesignConditions base) {
    if (complete) {
        studiedFrom_ = std::move(base);
        CoverStudy covers;
        covers.inputCover = inputCover;
        for (std::size_t i = 0; i < study->size(); ++i)
            covers.covers.push_back(ParseDouble(study->Values(i)[0], "h1"));
        covers.results = std::move(results);
        figure_ = CoverStudyChart(covers);
        governing_ = GoverningCoverGrid(covers);
        study_ = std::move(study);
        figureView_->update();
        ShowGoverning();
        ConditionsChanged();
    }
    End(!complete);
}

void StudyPage::StartSizing() {
    if (busy_) return;
    const auto range = Range();
    if (!range) return;
    std::vector<std::string> covers = RangeTexts(*range);
    const DesignConditions base = conditions_();
    sizedFrom_ = base;
    Begin();
    worker_ = std::thread([this, base, covers = std::move(covers), control = Control()] {
        std::string error;
        auto sizing = SizeBox(base, covers, control, error);
        QMetaObject::invokeMethod(
            this,
            [this, sizing = std::move(sizing), error = std::move(error)]() mutable {
                SizingDone(std::move(sizing), std::move(error));
            },
            Qt::QueuedConnection);
    });
}

void StudyPage::SizingDone(std::optional<SizingResult> sizing, std::string error) {
    const bool cancelled = error.empty() && !sizing;
    if (!error.empty()) {
        messenger_.Warn(error);
    } else if (sizing) {
        sizing_ = std::move(sizing);
        sizeResult_->setText(QString::fromStdString(SizingText(*sizing_)));
    }
    End(cancelled);
}

void StudyPage::Cancel() {
    cancelled_ = true;
}

bool StudyPage::HasCurrentStudy() const {
    return HasStudy() && SameCalculation(conditions_(), studiedFrom_);
}

void StudyPage::ConditionsChanged() {
    staleNote_->setVisible(HasStudy() && !HasCurrentStudy());
}

void StudyPage::SaveCsv() {
    if (!HasStudy() || busy_) return;
    if (!HasCurrentStudy()) {
        messenger_.Warn(
            "入力が変更されています。\nこの検討は今の設計条件のものではないため保存しません。"
            "検討開始で検討し直して下さい。");
        return;
    }
    const std::string path = askCsvPath_();
    if (path.empty()) return;
    const StudySubject subject{designFile_(), studiedFrom_, DateText(std::time(nullptr))};
    const FileResult written = WriteStudyCsv(path, subject, *study_);
    if (!written.ok()) messenger_.Warn(written.message);
}

void StudyPage::ShowGoverning() {
    for (int row = 0; row < governing_.rows; ++row)
        for (int column = 0; column < governing_.columns; ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(governing_.Cell(column, row)));
            item->setTextAlignment(Qt::AlignCenter);
            if (row == 0 || column == 0) item->setBackground(QColor(0xD8, 0xD8, 0xD8));
            table_->setItem(row, column, item);
        }
    FitColumns(table_, governing_);
}
