// Modal message boxes.
#include "ui/window_messenger.h"

#include <QMessageBox>

namespace {

void Show(QMessageBox::Icon icon, const std::string& text, QWidget* parent) {
    QMessageBox box(icon, QStringLiteral("Dolmeta"), QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

// A question at the top left of the screen, Yes preselected.
int AskWith(QMessageBox::StandardButtons buttons, const std::string& text, QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dolmeta"), QString::fromStdString(text),
                    buttons, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.move(0, 80);
    return box.exec();
}

}  // namespace

void WindowMessenger::Inform(const std::string& text) {
    Show(QMessageBox::Information, text, parent_);
}

void WindowMessenger::Warn(const std::string& text) {
    Show(QMessageBox::Warning, text, parent_);
}

bool WindowMessenger::Confirm(const std::string& text) {
    return AskWith(QMessageBox::Yes | QMessageBox::No, text, parent_) == QMessageBox::Yes;
}

Messenger::Answer WindowMessenger::Ask(const std::string& text) {
    switch (AskWith(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, text, parent_)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:  // Cancel, or the box closed by Escape
            return Answer::Cancel;
    }
}
