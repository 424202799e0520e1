// The dialog "水位・地盤" of the input page: the groundwater table, water in the box, the unit
// weights of water and of submerged soil, the allowable ground pressure and the required
// factor against uplift. It edits a copy of the page's entries and hands them over only when
// the calculation would accept them.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <string>

#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "ui/radio_group.h"

class WaterDialog : public QDialog {
    Q_OBJECT
  public:
    WaterDialog(Messenger& messenger, QWidget* parent);

    // Shows the entries of the conditions below the given window corner.
    void Open(const DesignConditions& conditions, const QPoint& windowCorner);
    // The dialog's entries over the water and ground entries of the conditions.
    void Take(DesignConditions& conditions) const;
    // The field that a conversion error names; null when none does.
    QWidget* FieldNamed(const std::string& name) const;

  signals:
    // "設定": the entries are acceptable; Take gives them.
    void transferred();

  private:
    bool Acceptable();

    Messenger& messenger_;
    QComboBox* hw_;
    RadioGroup* innerWater_;
    QLineEdit* gammaW_;
    QLineEdit* gammaSub_;
    QLineEdit* qa_;
    QLineEdit* upliftFactor_;
};

// The water and ground entries in one line, as the input page shows them.
std::string WaterSummary(const DesignConditions& conditions);
