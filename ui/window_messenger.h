// Messages of the windows as modal boxes: information with an OK button, errors with the
// warning icon, questions with Yes and No (and Cancel where asked) at the top left of the
// screen.
#pragma once

#include <QWidget>

#include "calc/messenger.h"

class WindowMessenger : public Messenger {
  public:
    explicit WindowMessenger(QWidget* parent = nullptr) : parent_(parent) {}
    void Inform(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void Warn(const std::string& text) override;
    Answer Ask(const std::string& text) override;

  private:
    QWidget* parent_;
};
