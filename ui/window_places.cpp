// Window places in the user's settings.
#include "ui/window_places.h"

#include <QCoreApplication>
#include <QSettings>
#include <QWidget>

namespace {

bool Remembering() {
    return !QCoreApplication::organizationName().isEmpty();
}

QString SettingOf(const char* key) {
    return QStringLiteral("windows/") + QLatin1String(key);
}

}  // namespace

bool RestorePlace(QWidget& window, const char* key) {
    if (!Remembering()) return false;
    const QByteArray kept = QSettings().value(SettingOf(key)).toByteArray();
    return !kept.isEmpty() && window.restoreGeometry(kept);
}

void KeepPlace(const QWidget& window, const char* key) {
    if (Remembering()) QSettings().setValue(SettingOf(key), window.saveGeometry());
}
