// The allowable-stress support: values by concrete strength and by steel grade.
#include "ui/allowable_stress_dialog.h"

#include <array>

#include "calc/decimal.h"
#include "calc/sheet/format_line.h"
#include "ui/page_controls.h"

namespace {

const std::vector<std::string> kStrengths = {"21", "24", "27", "30"};
const std::vector<std::string> kGrades = {"SD295A,B", "SD345"};

struct ByStrength {
    float tauA;
    float tauOa;
};
// τa and τoa for σck 21, 24, 27, 30 N/mm2.
constexpr std::array<ByStrength, 4> kByStrength = {
    {{0.36f, 1.4f}, {0.39f, 1.6f}, {0.42f, 1.7f}, {0.45f, 1.8f}}};

struct ByGrade {
    float sigmaSa;
    float sigmaSaJoint;
};
constexpr std::array<ByGrade, 2> kByGrade = {{{160.0f, 180.0f}, {160.0f, 200.0f}}};

QString Formatted(const Pattern& pattern, float value) {
    return QString::fromStdString(FormatLine(pattern, value));
}

}  // namespace

AllowableStressDialog::AllowableStressDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("入力支援"));
    setFixedSize(260, 286);
    strength_ = new RadioGroup(QStringLiteral("設計基準強度(σck)"), kStrengths, 2, this);
    strength_->setObjectName(QStringLiteral("RadioGroup1"));
    strength_->setGeometry(8, 6, 244, 52);
    grade_ = new RadioGroup(QStringLiteral("鉄筋の種類"), kGrades, 2, this);
    grade_->setObjectName(QStringLiteral("RadioGroup3"));
    grade_->setGeometry(8, 62, 244, 40);

    const auto row = [](QWidget* group, const char* label, const char* name, int y, bool editable) {
        MakeLabel(group, QString::fromUtf8(label), QRect(6, y, 170, 20));
        auto* edit = MakeEdit(group, name, QString(), QRect(178, y, 52, 20));
        edit->setReadOnly(!editable);
        return edit;
    };
    auto* concrete = MakeGroup(this, QStringLiteral("ｺﾝｸﾘｰﾄ（N/mm2）"), QRect(8, 106, 244, 62));
    sigmaCa_ = row(concrete, "σca（許容圧縮応力度）=", "Edit1", 16, false);
    tauA_ = row(concrete, "τca（許容せん断応力度）=", "Edit3", 38, false);
    auto* steel = MakeGroup(this, QStringLiteral("鉄筋（N/mm2）"), QRect(8, 170, 244, 84));
    sigmaSa_ = row(steel, "σsa(許容引張応力度)=", "Edit4", 16, false);
    sigmaSaJoint_ = row(steel, "σsa(許容引張応力度：継手)=", "Edit5", 38, true);
    tauOa_ = row(steel, "τoa（許容付着応力度)=", "Edit2", 60, true);

    auto* cancel = MakeFlatButton(this, "SpeedButton1", QStringLiteral("取　消"), QString(),
                                  QRect(8, 258, 80, 24));
    auto* transfer = MakeFlatButton(this, "SpeedButton2", QStringLiteral("設計条件に転記"),
                                    QString(), QRect(132, 258, 120, 24));
    for (auto* button : {cancel, transfer}) button->setAutoRaise(false);
    connect(cancel, &QToolButton::clicked, this, &QDialog::hide);
    connect(transfer, &QToolButton::clicked, this, &AllowableStressDialog::Transfer);

    // The initial texts are the form's own: σca reads "8", not the formatted "8.0".
    strength_->SetItemIndex(1);
    grade_->SetItemIndex(1);
    sigmaCa_->setText(QStringLiteral("8"));
    tauA_->setText(QStringLiteral("0.39"));
    sigmaSa_->setText(QStringLiteral("160"));
    sigmaSaJoint_->setText(QStringLiteral("200"));
    tauOa_->setText(QStringLiteral("1.6"));
    connect(strength_, &RadioGroup::itemClicked, this, &AllowableStressDialog::StrengthClicked);
    connect(grade_, &RadioGroup::itemClicked, this, &AllowableStressDialog::GradeClicked);
}

void AllowableStressDialog::Open(const QPoint& windowCorner) {
    move(windowCorner + QPoint(20, 90));
    show();
    raise();
}

void AllowableStressDialog::StrengthClicked(int index) {
    if (index < 0) return;
    const float sigmaCk = ParseSingle(kStrengths[index], "σck");
    sigmaCa_->setText(Formatted("0.0"_pattern, sigmaCk / 3.0f));
    tauOa_->setText(Formatted("0.0"_pattern, kByStrength[index].tauOa));
    tauA_->setText(Formatted("0.00"_pattern, kByStrength[index].tauA));
    GradeClicked(grade_->ItemIndex());
}

void AllowableStressDialog::GradeClicked(int index) {
    if (index < 0) return;
    sigmaSa_->setText(Formatted("0"_pattern, kByGrade[index].sigmaSa));
    sigmaSaJoint_->setText(Formatted("0"_pattern, kByGrade[index].sigmaSaJoint));
}

void AllowableStressDialog::Transfer() {
    AllowableStresses values;
    const int strength = strength_->ItemIndex();
    values.sigmaCk = strength < 0 ? std::string() : kStrengths[strength];
    values.sigmaCa = sigmaCa_->text().toStdString();
    values.tauA = tauA_->text().toStdString();
    values.sigmaSa = sigmaSa_->text().toStdString();
    values.sigmaSaJoint = sigmaSaJoint_->text().toStdString();
    values.tauOa = tauOa_->text().toStdString();
    const int grade = grade_->ItemIndex();
    values.steelGrade = grade < 0 ? std::string() : kGrades[grade];
    emit transferred(values);
    hide();
}
