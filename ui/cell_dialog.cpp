// The cell count and middle-wall dialog.
#include "ui/cell_dialog.h"

#include <algorithm>
#include <memory>

#include "calc/decimal.h"
#include "calc/read_conditions.h"
#include "ui/half_width.h"
#include "ui/page_controls.h"
#include "ui/transfer_buttons.h"

namespace {

constexpr int kRow = 20;
constexpr const char* kCellsField = "セル数";
constexpr const char* kTmField = "中壁厚";

const std::vector<std::string>& CellCountItems() {
    static const std::vector<std::string> items = {"1", "2", "3"};
    return items;
}

bool AboutCells(const FailedCheck& check) {
    return std::any_of(check.fields.begin(), check.fields.end(), [](const std::string& field) {
        return field == kCellsField || field == kTmField;
    });
}

}  // namespace

CellDialog::CellDialog(Messenger& messenger, QWidget* parent)
    : QDialog(parent), messenger_(messenger) {
    setWindowTitle(QStringLiteral("セル数・中壁"));
    setFixedSize(300, 164);
    cells_ = new RadioGroup(QStringLiteral("セル数"), CellCountItems(), 3, this);
    cells_->setObjectName(QStringLiteral("RadioGroupCells"));
    cells_->setGeometry(8, 6, 150, 40);
    MakeLabel(this, QStringLiteral("中壁厚 Tm="), QRect(8, 56, 80, kRow));
    tm_ = MakeEdit(this, "EditTm", QStringLiteral("セルの間の壁の厚さ（セル数 2 以上のとき）"),
                   QRect(90, 56, 60, kRow));
    MakeLabel(this, QStringLiteral("ｍ"), QRect(154, 56, 20, kRow));
    MakeLabel(this, QStringLiteral("外形幅 B はボックス全体の幅です。"), QRect(8, 84, 284, 16));
    MakeLabel(this, QStringLiteral("内空幅 Bu＝（B－2×TL－（セル数－1）×Tm）÷セル数"),
              QRect(8, 104, 284, 16));

    MakeTransferButtons(this, "Cells", 132, [this] {
        if (!Acceptable()) return false;
        emit transferred();
        return true;
    });
    // The middle wall means something only with more than one cell.
    connect(cells_, &RadioGroup::itemClicked, this,
            [this](int index) { tm_->setEnabled(index > 0); });
    ConvertOnLeaving(tm_);
}

void CellDialog::Open(const DesignConditions& c, const QPoint& windowCorner) {
    page_ = c;
    cells_->SetItemIndex(c.cells - 1);
    tm_->setEnabled(c.cells != 1);
    tm_->setText(QString::fromStdString(c.Tm));
    move(windowCorner + QPoint(360, 40));
    show();
    raise();
}

void CellDialog::Take(DesignConditions& c) const {
    c.cells = cells_->ItemIndex() + 1;
    c.Tm = tm_->text().toStdString();
}

QWidget* CellDialog::FieldNamed(const std::string& name) const {
    if (name == kCellsField) return cells_;
    if (name == kTmField) return tm_;
    return nullptr;
}

// The run's own conversion and checks of the cell entries, with the page's other entries; the
// dialog stays open for the correction. A page entry that is no number is the run's to tell.
bool CellDialog::Acceptable() {
    ConvertToHalfWidth(tm_);
    DesignConditions entries = page_;
    Take(entries);
    const auto record = std::make_unique<TKakou>();
    try {
        if (entries.cells != 1) static_cast<void>(ParseSingle(entries.Tm, kTmField));
        ReadDesignConditions(entries, *record);
    } catch (const ConversionError& error) {
        if (error.field() != kTmField) return true;
        messenger_.Warn(error.what());
        tm_->setFocus(Qt::OtherFocusReason);
        tm_->selectAll();
        return false;
    }
    bool acceptable = true;
    for (const FailedCheck& check : FailedChecks(*record)) {
        if (!AboutCells(check)) continue;
        ReportInputError(messenger_, check.message);
        if (acceptable) {
            QWidget* field = FieldNamed(check.fields.front());
            (field ? field : tm_)->setFocus(Qt::OtherFocusReason);
        }
        acceptable = false;
    }
    return acceptable;
}

std::string CellSummary(const DesignConditions& c) {
    if (!UsesCells(c)) return {};
    return "セル数 " + std::to_string(c.cells) + "\n中壁厚 " + c.Tm + "m";
}
