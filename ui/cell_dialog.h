// The dialog "セル数・中壁" of the input page: the number of cells across the box and the
// thickness of the walls between them. It edits a copy of the page's entries and hands them
// over only when the calculation would accept them with the page's other entries.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <string>

#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "ui/radio_group.h"

class CellDialog : public QDialog {
    Q_OBJECT
  public:
    CellDialog(Messenger& messenger, QWidget* parent);

    // Shows the entries of the conditions below the given window corner.
    void Open(const DesignConditions& conditions, const QPoint& windowCorner);
    // The dialog's entries over the cell entries of the conditions.
    void Take(DesignConditions& conditions) const;
    // The field that a conversion error or a failed check names; null when none does.
    QWidget* FieldNamed(const std::string& name) const;

  signals:
    // "設計条件に転記": the entries are acceptable; Take gives them.
    void transferred();

  private:
    bool Acceptable();

    Messenger& messenger_;
    DesignConditions page_;  // the conditions the dialog was opened with
    RadioGroup* cells_;
    QLineEdit* tm_;
};

// The cell entries in two lines, as the input page shows them; empty for a box of one cell
// whose middle-wall entry is the default.
std::string CellSummary(const DesignConditions& conditions);
