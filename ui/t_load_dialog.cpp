// The T-load dialog: T-load values with their transfer and reset, and the combination choice.
#include "ui/t_load_dialog.h"

#include <QPainter>

#include "calc/decimal.h"
#include "calc/read_conditions.h"
#include "ui/half_width.h"
#include "ui/page_controls.h"
#include "ui/result_pages.h"

namespace {

constexpr int kTLoadTab = 0;
constexpr int kCombinationTab = 1;

// A sketch of one load arrangement: the box, and the loads the arrangement puts on it.
class CombinationSketch : public QWidget {
  public:
    CombinationSketch(int arrangement, QWidget* parent)
        : QWidget(parent), arrangement_(arrangement) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QRect box(width() / 2 - 16, 18, 32, 22);
        p.setPen(Qt::black);
        p.drawRect(box);
        p.drawRect(box.adjusted(4, 4, -4, -4));
        p.setPen(QPen(Qt::red, 1));
        const auto arrow = [&](QPoint from, QPoint to) {
            p.drawLine(from, to);
            p.drawEllipse(to, 1, 1);
        };
        // Wheel loads on the top slab for the standard design and combination (1).
        if (arrangement_ != 3) {
            arrow(QPoint(box.left() + 8, 4), QPoint(box.left() + 8, box.top()));
            arrow(QPoint(box.right() - 8, 4), QPoint(box.right() - 8, box.top()));
        }
        // Horizontal live load on the side walls for the standard design and combination (2).
        if (arrangement_ != 2) {
            arrow(QPoint(box.left() - 12, box.center().y()), QPoint(box.left(), box.center().y()));
            arrow(QPoint(box.right() + 12, box.center().y()),
                  QPoint(box.right(), box.center().y()));
        }
    }

  private:
    int arrangement_;
};

}  // namespace

TLoadDialog::TLoadDialog(Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
    setFixedSize(273, 165);
    pages_ = new QTabWidget(this);
    pages_->setGeometry(0, 0, 273, 165);
    SetTabSize(pages_, 90, 20);
    BuildTLoadTab();
    BuildCombinationTab();
}

void TLoadDialog::BuildTLoadTab() {
    auto* tab = new QWidget;
    pages_->addTab(tab, QStringLiteral("T荷重"));
    auto* weight = MakeGroup(tab, QStringLiteral("重量（ｔ）"), QRect(4, 2, 80, 44));
    MakeLabel(weight, QStringLiteral("Ｔ－"), QRect(6, 18, 22, 20));
    weight_ = MakeEdit(weight, "Edit1", QString(), QRect(30, 18, 40, 20));
    auto* axles = MakeGroup(tab, QStringLiteral("軸間距離（ｍ）"), QRect(88, 2, 90, 44));
    MakeLabel(axles, QStringLiteral("距離 ="), QRect(6, 18, 38, 20));
    axleDistance_ = MakeEdit(axles, "Edit2", QString(), QRect(44, 18, 40, 20));
    auto* depth = MakeGroup(tab, QStringLiteral("衝撃係数作用深さ（ｍ）"), QRect(4, 50, 174, 44));
    MakeLabel(depth, QStringLiteral("深さ  <"), QRect(6, 18, 44, 20));
    impactDepth_ = MakeEdit(depth, "Edit3", QString(), QRect(52, 18, 40, 20));
    MakeLabel(depth, QStringLiteral("ｍ"), QRect(96, 18, 16, 20));
    auto* transfer = MakeFlatButton(tab, "SpeedButton2", QStringLiteral("設計条件転記"), QString(),
                                    QRect(184, 8, 80, 36));
    auto* reset = MakeFlatButton(tab, "SpeedButton1", QStringLiteral("取り消し"), QString(),
                                 QRect(184, 56, 80, 36));
    for (auto* button : {transfer, reset}) button->setAutoRaise(false);
    connect(transfer, &QToolButton::clicked, this, [this] {
        FinishEditing();
        if (!TLoadAcceptable()) return;
        emit captionTransferred(QStringLiteral("活荷重（T-") + weight_->text() +
                                QStringLiteral("）"));
        hide();
    });
    connect(reset, &QToolButton::clicked, this, &TLoadDialog::ResetTLoad);
    SetDefaultTexts();
    for (QLineEdit* field : {weight_, axleDistance_, impactDepth_}) {
        ConvertOnLeaving(field);
        connect(field, &QLineEdit::textChanged, this, &TLoadDialog::edited);
    }
}

void TLoadDialog::BuildCombinationTab() {
    auto* tab = new QWidget;
    pages_->addTab(tab, QStringLiteral("荷重組合せ"));
    const char* const captions[] = {"1．標準設計", "2．組合せ（1）", "3．組合せ（2）"};
    for (int k = 0; k < 3; ++k) {
        auto* sketch = new CombinationSketch(k + 1, tab);
        sketch->setGeometry(4 + 88 * k, 2, 84, 44);
        MakeLabel(tab, QString::fromUtf8(captions[k]), QRect(4 + 88 * k, 46, 84, 16))
            ->setAlignment(Qt::AlignCenter);
    }
    combination_ = new RadioGroup(QStringLiteral("組合せ"), {"1", "2", "3"}, 3, tab);
    combination_->setObjectName(QStringLiteral("RadioGroup1"));
    combination_->setGeometry(4, 62, 260, 42);
    combination_->setStyleSheet(QStringLiteral("QGroupBox::title { color: maroon; }"));
    combination_->SetItemIndex(0);
    auto* cancel = MakeFlatButton(tab, "SpeedButton3", QStringLiteral("取り消し"), QString(),
                                  QRect(4, 108, 100, 24));
    auto* transfer = MakeFlatButton(tab, "SpeedButton4", QStringLiteral("設計条件に転記"),
                                    QString(), QRect(154, 108, 110, 24));
    for (auto* button : {cancel, transfer}) button->setAutoRaise(false);
    connect(cancel, &QToolButton::clicked, this, &QDialog::hide);
    connect(transfer, &QToolButton::clicked, this, [this] {
        emit combinationTransferred(combination_->ItemIndex());
        hide();
    });
}

void TLoadDialog::OpenTLoad(const QPoint& windowCorner) {
    setWindowTitle(QStringLiteral("Ｔ荷重カスタマイズ"));
    OpenAt(windowCorner, kTLoadTab);
}

void TLoadDialog::OpenCombination(const QPoint& windowCorner) {
    setWindowTitle(QStringLiteral("荷重組み合わせ"));
    OpenAt(windowCorner, kCombinationTab);
}

void TLoadDialog::OpenAt(const QPoint& windowCorner, int tab) {
    pages_->setTabVisible(tab, true);
    pages_->setTabVisible(1 - tab, false);
    pages_->setCurrentIndex(tab);
    move(windowCorner + QPoint(11, 225));
    show();
    raise();
}

void TLoadDialog::SetDefaultTexts() {
    const DesignConditions defaults;
    SetTexts(defaults.tWeight, defaults.tAxleDistance, defaults.tImpactDepth);
}

void TLoadDialog::SetTexts(const std::string& weight, const std::string& axleDistance,
                           const std::string& impactDepth) {
    weight_->setText(QString::fromStdString(weight));
    axleDistance_->setText(QString::fromStdString(axleDistance));
    impactDepth_->setText(QString::fromStdString(impactDepth));
}

void TLoadDialog::FinishEditing() {
    for (QLineEdit* field : {weight_, axleDistance_, impactDepth_}) ConvertToHalfWidth(field);
}

QLineEdit* TLoadDialog::FieldNamed(const std::string& name) const {
    if (name == "重量（ｔ）") return weight_;
    if (name == "軸間距離（ｍ）") return axleDistance_;
    if (name == "衝撃係数作用深さ（ｍ）") return impactDepth_;
    return nullptr;
}

// The run's own checks and messages; the dialog stays open for the correction.
bool TLoadDialog::TLoadAcceptable() {
    try {
        const auto failures = TLoadFailures(ReadTLoad(Weight(), AxleDistance(), ImpactDepth()));
        for (const std::string& failure : failures) ReportInputError(messenger_, failure);
        return failures.empty();
    } catch (const ConversionError& error) {
        messenger_.Warn(error.what());
        return false;
    }
}

void TLoadDialog::ResetTLoad() {
    SetDefaultTexts();
    emit captionTransferred(QString::fromStdString(DesignConditions{}.liveLoadCaption0));
    hide();
}
