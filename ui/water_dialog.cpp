// The water and ground dialog.
#include "ui/water_dialog.h"

#include "calc/decimal.h"
#include "calc/water/water_inputs.h"
#include "ui/half_width.h"
#include "ui/page_controls.h"
#include "ui/transfer_buttons.h"

namespace {

constexpr int kRow = 20;

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
}

}  // namespace

WaterDialog::WaterDialog(Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
    setWindowTitle(QStringLiteral("水位・地盤"));
    setFixedSize(300, 232);
    auto* water = MakeGroup(this, QStringLiteral("水位"), QRect(4, 2, 292, 104));
    MakeLabel(water, QStringLiteral("地下水位 hw="), QRect(8, 18, 80, kRow));
    hw_ = MakeList(water, "ComboBoxHw", {kNoGroundwater},
                   QStringLiteral("路面から地下水位までの深さ"), QRect(90, 18, 80, kRow));
    MakeLabel(water, QStringLiteral("ｍ（路面から）"), QRect(174, 18, 110, kRow));
    innerWater_ = new RadioGroup(QStringLiteral("内水"), InnerWaterItems(), 2, water);
    innerWater_->setObjectName(QStringLiteral("RadioGroupInnerWater"));
    innerWater_->setGeometry(8, 42, 130, 40);
    MakeLabel(water, QStringLiteral("γw="), QRect(146, 52, 36, kRow));
    gammaW_ =
        MakeEdit(water, "EditGammaW", QStringLiteral("水の単位体積重量"), QRect(184, 52, 50, kRow));
    MakeLabel(water, QStringLiteral("kN/m3"), QRect(238, 52, 48, kRow));
    MakeLabel(water, QStringLiteral("γ’="), QRect(146, 78, 36, kRow));
    gammaSub_ = MakeEdit(water, "EditGammaSub", QStringLiteral("土の水中単位体積重量"),
                         QRect(184, 78, 50, kRow));
    MakeLabel(water, QStringLiteral("kN/m3"), QRect(238, 78, 48, kRow));

    auto* ground = MakeGroup(this, QStringLiteral("安定"), QRect(4, 110, 292, 80));
    MakeLabel(ground, QStringLiteral("許容地盤反力度 qa="), QRect(8, 20, 124, kRow));
    qa_ = MakeEdit(ground, "EditQa", QStringLiteral("空欄：照査しない"), QRect(134, 20, 60, kRow));
    MakeLabel(ground, QStringLiteral("kN/m2"), QRect(198, 20, 48, kRow));
    MakeLabel(ground, QStringLiteral("浮上り安全率 Fs≧"), QRect(8, 48, 124, kRow));
    upliftFactor_ = MakeEdit(ground, "EditUpliftFactor", QString(), QRect(134, 48, 60, kRow));

    MakeTransferButtons(this, "Water", 198, [this] {
        if (!Acceptable()) return false;
        emit transferred();
        return true;
    });
    for (QLineEdit* field : {gammaW_, gammaSub_, qa_, upliftFactor_}) ConvertOnLeaving(field);
}

void WaterDialog::Open(const DesignConditions& c, const QPoint& windowCorner) {
    SetListText(hw_, c.hw);
    innerWater_->SetItemIndex(c.innerWater);
    SetText(gammaW_, c.gammaW);
    SetText(gammaSub_, c.gammaSub);
    SetText(qa_, c.qa);
    SetText(upliftFactor_, c.upliftFactor);
    move(windowCorner + QPoint(360, 40));
    show();
    raise();
}

void WaterDialog::Take(DesignConditions& c) const {
    c.hw = ToHalfWidthNumber(hw_->currentText()).toStdString();
    c.innerWater = innerWater_->ItemIndex() == 1 ? 1 : 0;
    c.gammaW = TextOf(gammaW_);
    c.gammaSub = TextOf(gammaSub_);
    c.qa = TextOf(qa_);
    c.upliftFactor = TextOf(upliftFactor_);
}

QWidget* WaterDialog::FieldNamed(const std::string& name) const {
    if (name == "地下水位") return hw_;
    if (name == "γw") return gammaW_;
    if (name == "γ'") return gammaSub_;
    if (name == "許容地盤反力度") return qa_;
    if (name == "浮上り安全率") return upliftFactor_;
    return nullptr;
}

// The run's own conversion and checks; the dialog stays open for the correction.
bool WaterDialog::Acceptable() {
    for (QLineEdit* field : {gammaW_, gammaSub_, qa_, upliftFactor_}) ConvertToHalfWidth(field);
    DesignConditions entries;
    Take(entries);
    try {
        return CheckWaterInputs(ReadWaterInputs(entries), messenger_) == 0;
    } catch (const ConversionError& error) {
        messenger_.Warn(error.what());
        if (QWidget* field = FieldNamed(error.field())) field->setFocus(Qt::OtherFocusReason);
        return false;
    }
}

std::string WaterSummary(const DesignConditions& c) {
    if (!UsesWaterOrGround(c)) return "水位・地盤：なし";
    std::string line = "水位・地盤：地下水位 " + c.hw;
    if (Trimmed(c.hw) != kNoGroundwater) line += "m";
    line += "　内水 " + InnerWaterItems().at(c.innerWater == 1 ? 1 : 0);
    line += "　γw=" + c.gammaW + "　γ’=" + c.gammaSub;
    line += "　qa=" + (Trimmed(c.qa).empty() ? std::string("なし") : c.qa);
    line += "　浮上り安全率 " + c.upliftFactor;
    return line;
}
