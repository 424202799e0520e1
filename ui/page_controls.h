// Small makers for the controls of the windows, placed by pixel as the forms place them.
#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QToolButton>
#include <string>
#include <vector>

// A framed group; a numbered group of the input page has its caption in blue.
QGroupBox* MakeGroup(QWidget* parent, const QString& title, const QRect& place,
                     bool blueCaption = false);
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place);
// A single-line edit named after its component, with a hint; silver for the values that a
// support dialog or a choice fills in.
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& hint, const QRect& place,
                    bool silver = false);
// A drop-down list; an editable one accepts any typed text besides its items.
QComboBox* MakeList(QWidget* parent, const char* name, const std::vector<std::string>& items,
                    const QString& hint, const QRect& place, bool editable = true,
                    bool silver = false);
// A flat button with a caption and a hint.
QToolButton* MakeFlatButton(QWidget* parent, const char* name, const QString& caption,
                            const QString& hint, const QRect& place);
// A note in a yellow box, hidden until shown, that says what is shown is not what the page
// holds now, with a hint saying why and what to do.
QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, const QString& hint);
// Sets a list's text: the edit text of an editable list, the matching item of another.
void SetListText(QComboBox* list, const std::string& text);
