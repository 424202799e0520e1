// Modal message boxes.
#include "ui/window_messenger.h"

#include <QMessageBox>

void WindowMessenger::Inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Dolmeta"),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool WindowMessenger::Confirm(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dolmeta"), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    box.move(0, 80);
    return box.exec() == QMessageBox::Yes;
}
