// Numbers typed with a Japanese input method switched on come in full-width characters
// ("１．０"); a numeric field turns them into the half-width forms that the conversion and
// older readers of the design-condition file know.
#pragma once

#include <QLineEdit>
#include <QString>

// The text with full-width digits, period, minus and comma (and the minus sign U+2212 that
// some input methods give for "－") in their half-width forms; nothing else changes.
QString ToHalfWidthNumber(const QString& text);

// Converts the field's text in place; true when it changed.
bool ConvertToHalfWidth(QLineEdit* field);

// Converts the field's text each time the user leaves the field.
void ConvertOnLeaving(QLineEdit* field);
