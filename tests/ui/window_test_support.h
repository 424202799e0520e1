// Finding the controls of a window by their component names, as a user finds them by sight.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "ui/radio_group.h"

template <typename T>
T* Find(const QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline std::string Text(const QWidget& window, const char* name) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return edit->text().toStdString();
    return Find<QComboBox>(window, name)->currentText().toStdString();
}

inline void Type(const QWidget& window, const char* name, const char* text) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
        edit->setText(QString::fromUtf8(text));
        return;
    }
    Find<QComboBox>(window, name)->setEditText(QString::fromUtf8(text));
}

inline void Click(const QWidget& window, const char* name) {
    Find<QToolButton>(window, name)->click();
}

// Clicks an item of a radio group as the user would.
inline void Choose(const QWidget& window, const char* group, int item) {
    Find<RadioGroup>(window, group)->Button(item)->click();
}
