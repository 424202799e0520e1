// Full-width number characters to half-width.
#include "ui/half_width.h"

QString ToHalfWidthNumber(const QString& text) {
    QString converted = text;
    for (QChar& c : converted) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'．')
            c = QChar(u'.');
        else if (u == u'－' || u == u'−')
            c = QChar(u'-');
        else if (u == u'，')
            c = QChar(u',');
    }
    return converted;
}

bool ConvertToHalfWidth(QLineEdit* field) {
    const QString converted = ToHalfWidthNumber(field->text());
    if (converted == field->text()) return false;
    const int cursor = field->cursorPosition();
    field->setText(converted);
    field->setCursorPosition(cursor);
    return true;
}

void ConvertOnLeaving(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::editingFinished, field,
                     [field] { ConvertToHalfWidth(field); });
}
