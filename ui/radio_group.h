// A framed group of exclusive choices laid out in columns, with an item index that the
// program can set as well as the user.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <string>
#include <vector>

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& title, const std::vector<std::string>& items, int columns,
               QWidget* parent);

    // The selected item, -1 when none is.
    int ItemIndex() const;
    // Selects an item: beyond the last selects the last, negative selects none. A change
    // runs the handlers as a click would.
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Button(int index) const { return buttons_.at(index); }

  signals:
    // The user clicked an item, or the program changed the selection.
    void itemClicked(int index);

  private:
    void Select(int index);

    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
};
