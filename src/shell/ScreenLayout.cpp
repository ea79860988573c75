#include "shell/ScreenLayout.h"

#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

QString SettingsFile(const QString &key) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velbor/%1.ini").arg(key);
}

} // namespace

void RestoreLayout(const QString &key, QWidget *form) {
    const QSettings settings(SettingsFile(key), QSettings::IniFormat);
    const QByteArray geometry = settings.value(form->objectName() + "/geometry").toByteArray();
    if (!geometry.isEmpty())
        form->restoreGeometry(geometry);
}

void SaveLayout(const QString &key, const QWidget *form) {
    QSettings settings(SettingsFile(key), QSettings::IniFormat);
    settings.setValue(form->objectName() + "/geometry", form->saveGeometry());
}
