// A framed group of exclusive choices.
#include "ui/radio_group.h"

#include <QGridLayout>

RadioGroup::RadioGroup(const QString& title, const std::vector<std::string>& items, int columns,
                       QWidget* parent)
    : QGroupBox(title, parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(0);
    const int count = static_cast<int>(items.size());
    const int rows = (count + columns - 1) / columns;
    for (int k = 0; k < count; ++k) {
        auto* button = new QRadioButton(QString::fromStdString(items[k]), this);
        group_.addButton(button, k);
        buttons_.push_back(button);
        // Items run down the first column, then down the next.
        layout->addWidget(button, k % rows, k / rows);
    }
    connect(&group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::ItemIndex() const {
    return group_.checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index >= Count()) index = Count() - 1;
    if (index < 0) index = -1;
    if (index == ItemIndex()) return;
    Select(index);
    emit itemClicked(index);
}

void RadioGroup::Select(int index) {
    if (index < 0) {
        // An exclusive group keeps one button checked; lift that to clear it.
        group_.setExclusive(false);
        for (auto* button : buttons_) button->setChecked(false);
        group_.setExclusive(true);
        return;
    }
    buttons_.at(index)->setChecked(true);
}
