// The about box "このシステムは" (the form TForm7): the program's name, version and release.
#pragma once

#include <QDialog>

class AboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
};
