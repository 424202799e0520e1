// The allowable-stress support "入力支援" (the form TForm9): proposes a consistent set of
// allowable stresses from the concrete strength and the steel grade and hands them to the
// input page on request.
#pragma once

#include <QDialog>
#include <QLineEdit>

#include "ui/input_page.h"
#include "ui/radio_group.h"

class AllowableStressDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AllowableStressDialog(QWidget* parent);

    // Shows the dialog below and right of the given window corner, as it was last left.
    void Open(const QPoint& windowCorner);

  signals:
    void transferred(const AllowableStresses& values);

  private:
    void StrengthClicked(int index);
    void GradeClicked(int index);
    void Transfer();

    RadioGroup* strength_;
    RadioGroup* grade_;
    QLineEdit* sigmaCa_;       // Edit1
    QLineEdit* tauOa_;         // Edit2
    QLineEdit* tauA_;          // Edit3
    QLineEdit* sigmaSa_;       // Edit4
    QLineEdit* sigmaSaJoint_;  // Edit5
};
