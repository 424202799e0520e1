// Small makers for the controls of the windows.
#include "ui/page_controls.h"

#include <QPalette>

#include "ui/fonts.h"

namespace {

void MakeSilver(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    widget->setPalette(palette);
}

}  // namespace

QGroupBox* MakeGroup(QWidget* parent, const QString& title, const QRect& place, bool blueCaption) {
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(place);
    if (blueCaption) {
        // Scoped by name so that the groups inside keep their black captions.
        group->setObjectName(QStringLiteral("NumberedGroup"));
        group->setStyleSheet(
            QStringLiteral("QGroupBox#NumberedGroup { font-size: 11px; } "
                           "QGroupBox#NumberedGroup::title { color: blue; }"));
    }
    return group;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

QLabel* MakeNote(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* note = new QLabel(text, parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setToolTip(hint);
    note->setFont(ControlFont(11));
    note->setStyleSheet(
        QStringLiteral("QLabel { background: #FFF3B0; color: #7A3000; border: 1px solid #C08000; "
                       "padding: 0px 3px; }"));
    note->adjustSize();
    note->hide();
    return note;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& hint, const QRect& place,
                    bool silver) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(hint);
    edit->setGeometry(place);
    if (silver) MakeSilver(edit);
    return edit;
}

QComboBox* MakeList(QWidget* parent, const char* name, const std::vector<std::string>& items,
                    const QString& hint, const QRect& place, bool editable, bool silver) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& item : items) list->addItem(QString::fromStdString(item));
    list->setToolTip(hint);
    list->setGeometry(place);
    if (silver) MakeSilver(list);
    return list;
}

QToolButton* MakeFlatButton(QWidget* parent, const char* name, const QString& caption,
                            const QString& hint, const QRect& place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(place);
    return button;
}

void SetListText(QComboBox* list, const std::string& text) {
    const QString value = QString::fromStdString(text);
    const int index = list->findText(value);
    if (index >= 0) list->setCurrentIndex(index);
    if (list->isEditable()) list->setEditText(value);
}
