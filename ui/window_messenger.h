// Messages of the windows as modal boxes: information with an OK button, questions with Yes
// and No at the top left of the screen.
#pragma once

#include <QWidget>

#include "calc/messenger.h"

class WindowMessenger : public Messenger {
  public:
    explicit WindowMessenger(QWidget* parent = nullptr) : parent_(parent) {}
    void Inform(const std::string& text) override;
    bool Confirm(const std::string& text) override;

  private:
    QWidget* parent_;
};
