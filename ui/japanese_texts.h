// Qt's own texts (file dialogs, message-box buttons, the print dialog and its preview) in
// Japanese, from Qt's translations installed with the system.
#pragma once

#include <QCoreApplication>

// Installs Qt's Japanese translation into the application and makes Japanese the default
// locale; false when the translation is not installed, and the texts stay English.
bool UseJapaneseQtTexts(QCoreApplication& application);
