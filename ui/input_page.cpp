// The input page: controls, their defaults and the handlers that keep them consistent.
#include "ui/input_page.h"

#include <algorithm>

#include "ui/cell_dialog.h"
#include "ui/half_width.h"
#include "ui/page_controls.h"
#include "ui/water_dialog.h"

namespace {

constexpr int kRow = 20;  // height of an edit or a list
// Characters of the project's name or the designer's, so that the header stays one line.
constexpr int kReportHeaderEntryLength = 40;

// The first live-load item's caption when no T load has been customised.
const char* const kDefaultTLoadCaption = "活荷重（T-25）";

std::string TextOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string TextOf(const QComboBox* list) {
    return list->currentText().toStdString();
}

void SetText(QLineEdit* edit, const std::string& text) {
    edit->setText(QString::fromStdString(text));
    edit->setCursorPosition(0);
}

}  // namespace

InputPage::InputPage(QWidget* parent) : QWidget(parent) {
    BuildWeights();
    BuildEarthPressure();
    BuildBox();
    BuildLoads();
    BuildStresses();
    BuildCover();
    BuildPitch();
    BuildFigureControls();
    BuildWater();
    BuildCells();
    BuildReportHeader();
    auto* run = MakeFlatButton(this, "SpeedButton1", QStringLiteral("計算開始"), QString(),
                               QRect(600, 338, 65, 63));
    run->setAutoRaise(false);
    connect(run, &QToolButton::clicked, this, &InputPage::runRequested);
    Apply(DesignConditions{});
    WatchEntries();
}

void InputPage::WatchEntries() {
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        connect(field, &QLineEdit::textChanged, this, &InputPage::edited);
        // The entries that are no number.
        if (field == steelGrade_ || field == projectName_ || field == designer_) continue;
        numericFields_.push_back(field);
        ConvertOnLeaving(field);
    }
    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::currentTextChanged, this, &InputPage::edited);
    for (RadioGroup* group : findChildren<RadioGroup*>())
        connect(group, &RadioGroup::itemClicked, this, &InputPage::edited);
    connect(lowerHaunch_, &QCheckBox::toggled, this, &InputPage::edited);
    connect(figureFont_, &QSlider::valueChanged, this, &InputPage::edited);
    // The names by which the run's conversion errors call the entries.
    namedFields_ = {
        {"γs", gammaS_},
        {"γc", gammaC_},
        {"γa", gammaA_},
        {"Ko", ko_},
        {"ｑ（kN/m2）", q_},
        {"σck", sigmaCk_},
        {"σca", sigmaCa_},
        {"τa", tauA_},
        {"τoa", tauOa_},
        {"σsa", sigmaSa_},
        {"継ぎ手算出時許容引張応力度", sigmaSaJoint_},
        {"土かぶり", h1_},
        {"舗装厚", ha_},
        {"頂版厚", tu_},
        {"底版厚", tb_},
        {"側壁厚", tl_},
        {"ﾊﾝﾁ幅", hab_},
        {"ﾊﾝﾁ高", hah_},
        {"外形高", h_},
        {"外形幅", b_},
        {"ｄ’（頂版）", dTop_},
        {"ｄ’（側壁）", dWall_},
        {"ｄ’（底版上面）", dBottomUpper_},
        {"ｄ’（底版下面）", dBottomLower_},
    };
    for (const auto& [name, field] : namedFields_) {
        const auto edited = [this, name = name] { lastEdited_ = name; };
        auto* list = qobject_cast<QComboBox*>(field);
        auto* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(field);
        if (edit) connect(edit, &QLineEdit::textEdited, this, edited);
        if (list) connect(list, &QComboBox::activated, this, edited);
    }
}

void InputPage::BuildWeights() {
    auto* group = MakeGroup(this, QStringLiteral("1．単位体積重量"), QRect(5, 2, 128, 162), true);
    soilType_ = new RadioGroup(QStringLiteral("土質"), SoilTypeItems(), 1, group);
    soilType_->setObjectName(QStringLiteral("RadioGroup2"));
    soilType_->setGeometry(5, 14, 118, 68);
    connect(soilType_, &RadioGroup::itemClicked, this, &InputPage::SoilTypeClicked);
    auto* weights = MakeGroup(group, QStringLiteral("単位重量(kN/m3)"), QRect(5, 84, 118, 74));
    MakeLabel(weights, QStringLiteral("γs="), QRect(6, 14, 30, kRow));
    gammaS_ = MakeList(weights, "ComboBox2", {"20", "19", "18", "17", "14"},
                       QStringLiteral("土の単位重量"), QRect(38, 14, 74, kRow), true, true);
    MakeLabel(weights, QStringLiteral("γc="), QRect(6, 32, 30, kRow));
    gammaC_ = MakeList(weights, "ComboBox3", {"24.5", "25.0"}, QStringLiteral("ｺﾝｸﾘｰﾄ単位重量"),
                       QRect(38, 32, 74, kRow));
    MakeLabel(weights, QStringLiteral("γa="), QRect(6, 52, 30, kRow));
    gammaA_ =
        MakeEdit(weights, "Edit28", QStringLiteral("舗装の単位重量"), QRect(38, 51, 74, kRow));
}

void InputPage::BuildEarthPressure() {
    auto* group = MakeGroup(this, QStringLiteral("3．土圧係数"), QRect(141, 2, 135, 135), true);
    foundation_ = new RadioGroup(QStringLiteral("鉛直土圧係数(α)"), FoundationItems(), 1, group);
    foundation_->setObjectName(QStringLiteral("RadioGroup3"));
    foundation_->setGeometry(5, 14, 125, 70);
    auto* atRest = MakeGroup(group, QStringLiteral("静止土圧係数"), QRect(5, 86, 125, 44));
    MakeLabel(atRest, QStringLiteral("Ko ="), QRect(8, 17, 34, kRow));
    ko_ = MakeList(atRest, "ComboBox1", {"0.4", "0.5", "0.6", "0.7"}, QString(),
                   QRect(44, 17, 70, kRow));
}

void InputPage::BuildBox() {
    auto* group =
        MakeGroup(this, QStringLiteral("2．ボックス形状（ｍ）"), QRect(282, 2, 311, 262), true);
    picture_ = new BoxPicture(group);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->move(7, 14);
    const auto field = [&](const char* name, const char* hint, int x, int y, int width = 33) {
        return MakeEdit(group, name, QString::fromUtf8(hint), QRect(x, y, width, kRow));
    };
    h1_ = field("Edit2", "土かぶり", 268, 40);
    ha_ = field("Edit9", "舗装厚", 200, 40);
    tu_ = field("Edit7", "頂版厚", 97, 43);
    hah_ = field("Edit11", "ﾊﾝﾁ高", 162, 82);
    hab_ = field("Edit12", "ﾊﾝﾁ幅", 189, 110);
    h_ = field("Edit4", "外形高", 16, 107);
    tl_ = field("Edit6", "側壁厚", 54, 107, 30);
    tb_ = field("Edit13", "底版厚", 97, 183);
    b_ = field("Edit18", "外形幅", 150, 205);
    auto* haunch = MakeGroup(group, QStringLiteral("下側ﾊﾝﾁ"), QRect(240, 136, 64, 40));
    lowerHaunch_ = new QCheckBox(QStringLiteral("有り"), haunch);
    lowerHaunch_->setObjectName(QStringLiteral("CheckBox1"));
    lowerHaunch_->setGeometry(8, 16, 52, 18);
    connect(lowerHaunch_, &QCheckBox::toggled, this, &InputPage::LowerHaunchToggled);
}

void InputPage::BuildLoads() {
    auto* group = MakeGroup(this, QStringLiteral("4．載荷重"), QRect(5, 168, 128, 233), true);
    liveLoad_ =
        new RadioGroup(QStringLiteral("活荷重"), LiveLoadItems(DesignConditions{}), 1, group);
    liveLoad_->setObjectName(QStringLiteral("RadioGroup1"));
    liveLoad_->setGeometry(5, 14, 118, 84);
    connect(liveLoad_, &RadioGroup::itemClicked, this, &InputPage::LiveLoadClicked);
    auto* tLoad = MakeFlatButton(group, "SpeedButton3", QStringLiteral("T-X"),
                                 QStringLiteral("活荷重ﾕｰｻﾞｰ定義"), QRect(5, 99, 50, 20));
    connect(tLoad, &QToolButton::clicked, this, &InputPage::tLoadRequested);
    auto* combine = MakeFlatButton(group, "SpeedButton4", QStringLiteral("組合せ"),
                                   QStringLiteral("4m未満荷重組合せ"), QRect(58, 99, 65, 20));
    connect(combine, &QToolButton::clicked, this, &InputPage::combinationRequested);
    for (auto* button : {tLoad, combine}) button->setAutoRaise(false);
    combination_ = new RadioGroup(QStringLiteral("4m未満荷重組合せ"), CombinationItems(), 1, group);
    combination_->setObjectName(QStringLiteral("RadioGroup4"));
    combination_->setGeometry(5, 120, 118, 66);
    auto* uniform = MakeGroup(group, QStringLiteral("等分布荷重"), QRect(5, 187, 118, 42));
    qLabel_ = MakeLabel(uniform, QStringLiteral("ｑ（kN/m2） ="), QRect(4, 16, 76, kRow));
    q_ = MakeEdit(uniform, "Edit10", QString(), QRect(80, 16, 33, kRow));
}

void InputPage::BuildStresses() {
    auto* group =
        MakeGroup(this, QStringLiteral("5．許容応力度（N/mm2）"), QRect(141, 144, 135, 257), true);
    const auto row = [](QWidget* parent, const char* label, const char* name, const char* hint,
                        int y, int labelWidth = 40) {
        MakeLabel(parent, QString::fromUtf8(label), QRect(6, y, labelWidth, kRow));
        return MakeEdit(parent, name, QString::fromUtf8(hint),
                        QRect(6 + labelWidth, y, 110 - labelWidth, kRow), true);
    };
    auto* concrete = MakeGroup(group, QStringLiteral("ｺﾝｸﾘｰﾄ"), QRect(5, 14, 125, 80));
    sigmaCk_ = row(concrete, "σck=", "Edit21", "設計基準強度", 14);
    sigmaCa_ = row(concrete, "σca=", "Edit5", "許容圧縮応力度", 35);
    tauA_ = row(concrete, "τa=", "Edit1", "許容剪断応力度", 56);
    auto* steel = MakeGroup(group, QStringLiteral("鉄筋"), QRect(5, 96, 125, 122));
    steelGrade_ = row(steel, "種類", "Edit14", "鉄筋の種類", 14);
    sigmaSa_ = row(steel, "σsa=", "Edit17", "許容引張応力度", 39);
    sigmaSaJoint_ = row(steel, "σsa=", "Edit3", "継ぎ手算出時許容引張応力度", 64);
    tauOa_ = row(steel, "τoa=", "Edit8", "許容付着応力度", 89);
    auto* support = MakeFlatButton(group, "SpeedButton2", QStringLiteral("入力支援"), QString(),
                                   QRect(5, 224, 125, 26));
    support->setAutoRaise(false);
    connect(support, &QToolButton::clicked, this, &InputPage::stressSupportRequested);
}

void InputPage::BuildCover() {
    auto* group = MakeGroup(this, QStringLiteral("6．主筋中心～ｺﾝｸﾘｰﾄ表面（ｍ）"),
                            QRect(284, 268, 192, 92), true);
    const auto cover = [&](const char* title, const char* name, std::vector<std::string> items,
                           int x, int y) {
        auto* box = MakeGroup(group, QString::fromUtf8(title), QRect(x, y, 89, 38));
        MakeLabel(box, QStringLiteral("ｄ’="), QRect(5, 15, 28, kRow));
        return MakeList(box, name, items, QString(), QRect(32, 15, 52, kRow));
    };
    dTop_ = cover("頂版", "ComboBox4", {"0.05", "0.07", "0.10"}, 5, 13);
    dWall_ = cover("側壁", "ComboBox5", {"0.05", "0.07", "0.10"}, 98, 13);
    dBottomUpper_ = cover("底版上面", "ComboBox6", {"0.05", "0.07", "0.11"}, 5, 51);
    dBottomLower_ = cover("底版下面", "ComboBox7", {"0.05", "0.10", "0.11"}, 98, 51);
}

void InputPage::BuildPitch() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(480, 272, 115, 129);
    pitchMode_ = new RadioGroup(QStringLiteral("配筋(mm)設定"), PitchModeItems(), 1, panel);
    pitchMode_->setObjectName(QStringLiteral("RadioGroup12"));
    pitchMode_->setGeometry(4, 4, 107, 58);
    connect(pitchMode_, &RadioGroup::itemClicked, this, &InputPage::PitchModeClicked);
    auto* box = MakeGroup(panel, QStringLiteral("ﾋﾟｯﾁ＠(mm)"), QRect(4, 66, 107, 58));
    MakeLabel(box, QStringLiteral("ﾋﾟｯﾁ＠"), QRect(6, 22, 38, kRow));
    pitch_ = MakeList(box, "ComboBox10", PitchItems(), QStringLiteral("単位：mm"),
                      QRect(44, 22, 56, kRow), false);
}

void InputPage::BuildFigureControls() {
    figureColours_ = new RadioGroup(QStringLiteral("出力図色"), FigureColourItems(), 2, this);
    figureColours_->setObjectName(QStringLiteral("RadioGroup5"));
    figureColours_->setGeometry(284, 362, 96, 38);
    figureColours_->SetItemIndex(0);
    connect(figureColours_, &RadioGroup::itemClicked, this, &InputPage::figureColoursClicked);
    auto* fontBox = MakeGroup(this, QStringLiteral("図ﾌｫﾝﾄｻｲｽﾞ"), QRect(384, 362, 92, 38));
    figureFont_ = new QSlider(Qt::Horizontal, fontBox);
    figureFont_->setObjectName(QStringLiteral("TrackBar1"));
    figureFont_->setRange(kFigureFontSizeMin, kFigureFontSizeMax);
    figureFont_->setValue(9);
    figureFont_->setPageStep(1);
    figureFont_->setTickPosition(QSlider::TicksBelow);
    figureFont_->setGeometry(4, 14, 84, 22);
    connect(figureFont_, &QSlider::valueChanged, this, &InputPage::figureFontSizeChanged);
}

void InputPage::BuildWater() {
    auto* open =
        MakeFlatButton(this, "SpeedButtonWater", QStringLiteral("水位・地盤..."),
                       QStringLiteral("地下水位、内水、地盤反力度"), QRect(598, 300, 80, 32));
    open->setAutoRaise(false);
    connect(open, &QToolButton::clicked, this, &InputPage::waterRequested);
    waterLine_ = MakeLabel(this, QString(), QRect(8, 402, 590, 14));
    waterLine_->setObjectName(QStringLiteral("WaterLine"));
}

void InputPage::BuildCells() {
    auto* open = MakeFlatButton(this, "SpeedButtonCells", QStringLiteral("セル数・中壁..."),
                                QStringLiteral("セル数（1～3）、中壁厚"), QRect(598, 264, 80, 32));
    open->setAutoRaise(false);
    connect(open, &QToolButton::clicked, this, &InputPage::cellsRequested);
    cellLines_ = MakeLabel(this, QString(), QRect(600, 228, 78, 34));
    cellLines_->setObjectName(QStringLiteral("CellLines"));
}

void InputPage::BuildReportHeader() {
    // Beside the box group, above the start button: what the report's header names.
    auto* group = MakeGroup(this, QStringLiteral("計算書"), QRect(598, 2, 79, 112));
    const auto entry = [group](const char* label, const char* name, const char* hint, int y) {
        MakeLabel(group, QString::fromUtf8(label), QRect(6, y, 67, 16));
        QLineEdit* edit =
            MakeEdit(group, name, QString::fromUtf8(hint), QRect(6, y + 16, 67, kRow));
        edit->setMaxLength(kReportHeaderEntryLength);
        return edit;
    };
    projectName_ = entry("工事名", "EditProject", "計算書の各ページの上に印刷します（省略可）", 16);
    designer_ = entry("設計者", "EditDesigner", "計算書の各ページの上に印刷します（省略可）", 62);
}

DesignConditions InputPage::Read() const {
    DesignConditions c = water_;
    c.soilType = soilType_->ItemIndex();
    c.gammaS = TextOf(gammaS_);
    c.gammaC = TextOf(gammaC_);
    c.gammaA = TextOf(gammaA_);
    c.h1 = TextOf(h1_);
    c.ha = TextOf(ha_);
    c.Tu = TextOf(tu_);
    c.TL = TextOf(tl_);
    c.Tb = TextOf(tb_);
    c.Hah = TextOf(hah_);
    c.Hab = TextOf(hab_);
    c.H = TextOf(h_);
    c.B = TextOf(b_);
    c.lowerHaunch = lowerHaunch_->isChecked();
    c.foundation = foundation_->ItemIndex();
    c.Ko = TextOf(ko_);
    c.liveLoad = liveLoad_->ItemIndex();
    c.combination = combination_->ItemIndex();
    c.q = TextOf(q_);
    c.sigmaCk = TextOf(sigmaCk_);
    c.sigmaCa = TextOf(sigmaCa_);
    c.tauA = TextOf(tauA_);
    c.steelGrade = TextOf(steelGrade_);
    c.sigmaSa = TextOf(sigmaSa_);
    c.sigmaSaJoint = TextOf(sigmaSaJoint_);
    c.tauOa = TextOf(tauOa_);
    c.dTop = TextOf(dTop_);
    c.dWall = TextOf(dWall_);
    c.dBottomUpper = TextOf(dBottomUpper_);
    c.dBottomLower = TextOf(dBottomLower_);
    c.pitchMode = pitchMode_->ItemIndex();
    c.pitch = TextOf(pitch_);
    c.liveLoadCaption0 = liveLoad_->Button(0)->text().toStdString();
    c.figureColours = figureColours_->ItemIndex();
    c.figureFontSize = figureFont_->value();
    c.projectName = TextOf(projectName_);
    c.designer = TextOf(designer_);
    c.cells = cells_;
    c.Tm = tm_;
    return c;
}

void InputPage::Apply(const DesignConditions& c) {
    // The order of the design-condition file: a choice's handler may fill in a text that
    // the next entry then overwrites.
    soilType_->SetItemIndex(c.soilType);
    SetListText(gammaS_, c.gammaS);
    SetListText(gammaC_, c.gammaC);
    SetText(gammaA_, c.gammaA);
    SetListText(ko_, c.Ko);
    foundation_->SetItemIndex(c.foundation);
    liveLoad_->SetItemIndex(c.liveLoad);
    combination_->SetItemIndex(c.combination);
    SetText(q_, c.q);
    SetText(tu_, c.Tu);
    SetText(h1_, c.h1);
    SetText(ha_, c.ha);
    SetText(h_, c.H);
    SetText(tl_, c.TL);
    SetText(hah_, c.Hah);
    SetText(hab_, c.Hab);
    SetText(tb_, c.Tb);
    SetText(b_, c.B);
    lowerHaunch_->setChecked(c.lowerHaunch);
    SetText(sigmaCk_, c.sigmaCk);
    SetText(sigmaCa_, c.sigmaCa);
    SetText(tauA_, c.tauA);
    SetText(tauOa_, c.tauOa);
    SetText(sigmaSa_, c.sigmaSa);
    SetText(steelGrade_, c.steelGrade);
    SetText(sigmaSaJoint_, c.sigmaSaJoint);
    SetListText(dTop_, c.dTop);
    SetListText(dWall_, c.dWall);
    SetListText(dBottomUpper_, c.dBottomUpper);
    SetListText(dBottomLower_, c.dBottomLower);
    SetFirstLiveLoadCaption(QString::fromStdString(c.liveLoadCaption0));
    pitchMode_->SetItemIndex(c.pitchMode);
    // A handler runs only on a change; these keep the page consistent either way.
    LiveLoadClicked(liveLoad_->ItemIndex());
    PitchModeClicked(pitchMode_->ItemIndex());
    SetListText(pitch_, c.pitch);
    // The figure controls act on the figures as a click or a move of the track bar would.
    figureColours_->SetItemIndex(c.figureColours);
    figureFont_->setValue(c.figureFontSize);
    SetText(projectName_, c.projectName);
    SetText(designer_, c.designer);
    SetWater(c);
    SetCells(c);
}

void InputPage::SetCells(const DesignConditions& c) {
    if (c.cells == cells_ && c.Tm == tm_) return;
    cells_ = c.cells;
    tm_ = c.Tm;
    cellLines_->setText(QString::fromStdString(CellSummary(c)));
    emit edited();
}

void InputPage::SetWater(const DesignConditions& c) {
    const DesignConditions water = WaterEntriesOf(c);
    if (water == water_ && !waterLine_->text().isEmpty()) return;
    water_ = water;
    waterLine_->setText(QString::fromStdString(WaterSummary(water_)));
    emit edited();
}

void InputPage::FinishEditing() {
    for (QLineEdit* field : numericFields_) ConvertToHalfWidth(field);
}

QWidget* InputPage::FieldNamed(const std::string& name) const {
    const auto found = namedFields_.find(name);
    return found == namedFields_.end() ? nullptr : found->second;
}

std::string InputPage::LastEditedAmong(const std::vector<std::string>& names) const {
    return std::find(names.begin(), names.end(), lastEdited_) != names.end() ? lastEdited_
                                                                             : std::string();
}

void InputPage::SetUpFirstShowing() {
    lowerHaunch_->setChecked(false);
    picture_->ShowLowerHaunch(false);
    // The q field follows the live-load choice, which is not "なし" at start.
    LiveLoadClicked(liveLoad_->ItemIndex());
}

void InputPage::SetFirstLiveLoadCaption(const QString& caption) {
    if (liveLoad_->Button(0)->text() == caption) return;
    liveLoad_->Button(0)->setText(caption);
    emit edited();
}

void InputPage::SetCombination(int index) {
    combination_->SetItemIndex(index);
}

void InputPage::TakeAllowableStresses(const AllowableStresses& v) {
    SetText(sigmaCk_, v.sigmaCk);
    SetText(sigmaCa_, v.sigmaCa);
    SetText(tauA_, v.tauA);
    SetText(sigmaSa_, v.sigmaSa);
    SetText(sigmaSaJoint_, v.sigmaSaJoint);
    SetText(tauOa_, v.tauOa);
    SetText(steelGrade_, v.steelGrade);
}

void InputPage::SoilTypeClicked(int index) {
    const std::string gammaS = DefaultGammaS(index);
    if (!gammaS.empty()) SetListText(gammaS_, gammaS);
}

void InputPage::LiveLoadClicked(int index) {
    // Only "なし" takes a uniform surcharge; the others take the shallow-cover combination.
    const bool none = index == 3;
    combination_->setEnabled(!none);
    qLabel_->setEnabled(none);
    q_->setEnabled(none);
}

void InputPage::PitchModeClicked(int index) {
    if (index == 0) {
        pitch_->setCurrentIndex(pitch_->findText(QStringLiteral("-")));
        pitch_->setEnabled(false);
    } else if (index == 1) {
        pitch_->setCurrentIndex(pitch_->findText(QStringLiteral("300")));
        pitch_->setEnabled(true);
    }
}

void InputPage::LowerHaunchToggled(bool checked) {
    picture_->ShowLowerHaunch(checked);
}
