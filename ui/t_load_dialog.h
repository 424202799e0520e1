// The T-load dialog (the form TForm3): one tab defines the T load that the first live-load
// item stands for, the other picks the load combination for shallow cover. Only one tab is
// visible at a time, after the button that opened it. T-load values that the calculation
// would refuse are not transferred.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <string>

#include "calc/design_conditions.h"
#include "calc/messenger.h"
#include "ui/radio_group.h"

class TLoadDialog : public QDialog {
    Q_OBJECT
  public:
    TLoadDialog(Messenger& messenger, QWidget* parent);

    // Shows the tab "T荷重" or "荷重組合せ" below the given window corner.
    void OpenTLoad(const QPoint& windowCorner);
    void OpenCombination(const QPoint& windowCorner);

    // The T-load texts the calculation reads for the first live-load item.
    std::string Weight() const { return weight_->text().toStdString(); }
    std::string AxleDistance() const { return axleDistance_->text().toStdString(); }
    std::string ImpactDepth() const { return impactDepth_->text().toStdString(); }
    // Puts T-load texts into the fields, as a design-condition file restores them.
    void SetTexts(const std::string& weight, const std::string& axleDistance,
                  const std::string& impactDepth);
    // Converts full-width number characters in the three fields, as leaving them does.
    void FinishEditing();
    // The field that a conversion error names by its group caption; null when none does.
    QLineEdit* FieldNamed(const std::string& name) const;

  signals:
    // The first live-load item's new caption.
    void captionTransferred(const QString& caption);
    void combinationTransferred(int index);
    // A T-load text changed.
    void edited();

  private:
    void BuildTLoadTab();
    void BuildCombinationTab();
    void OpenAt(const QPoint& windowCorner, int tab);
    void SetDefaultTexts();
    void ResetTLoad();
    bool TLoadAcceptable();

    Messenger& messenger_;
    QTabWidget* pages_;
    QLineEdit* weight_;        // Edit1
    QLineEdit* axleDistance_;  // Edit2
    QLineEdit* impactDepth_;   // Edit3
    RadioGroup* combination_;  // RadioGroup1
};
