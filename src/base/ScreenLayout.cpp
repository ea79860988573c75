#include "base/ScreenLayout.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>

namespace {

QString SettingsFile(const QString &key) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Velbor/%1.ini").arg(key);
}

// Room for the title bar and borders that the window manager adds around a window that has
// not been shown yet, and so has no frame to measure.
const QMargins UnshownFrame(8, 32, 8, 8);

} // namespace

QByteArray SavedLayout(const QString &key, const QString &formName) {
    const QSettings settings(SettingsFile(key), QSettings::IniFormat);
    return settings.value(formName + "/geometry").toByteArray();
}

void SaveLayout(const QString &key, const QString &formName, const QByteArray &geometry) {
    QSettings settings(SettingsFile(key), QSettings::IniFormat);
    settings.setValue(formName + "/geometry", geometry);
}

bool PreviewDocuments() {
    return QSettings(SettingsFile(QStringLiteral("Preferences")), QSettings::IniFormat)
        .value(QStringLiteral("Printing/preview"), false)
        .toBool();
}

void SetPreviewDocuments(bool preview) {
    QSettings(SettingsFile(QStringLiteral("Preferences")), QSettings::IniFormat)
        .setValue(QStringLiteral("Printing/preview"), preview);
}

void PlaceOnScreen(QWidget *window, const QByteArray &geometry) {
    const bool restored = !geometry.isEmpty() && window->restoreGeometry(geometry);
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                     frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (margins.isNull())
        margins = UnshownFrame;

    // The layout's own minimum, which showing would otherwise impose after the place is chosen.
    if (window->layout())
        window->layout()->activate();
    const QSize frameExtra(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QSize size =
        window->size().boundedTo(free.size() - frameExtra).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    // Positions of a window are those of its frame.
    const QSize outer = window->size() + frameExtra;
    QPoint at =
        restored ? window->pos() : free.center() - QPoint(outer.width(), outer.height()) / 2;
    // Wholly inside where it can be; a window larger than the screen keeps its top-left corner
    // (and so its title bar) in view.
    at.setX(std::max(free.left(), std::min(at.x(), free.right() + 1 - outer.width())));
    at.setY(std::max(free.top(), std::min(at.y(), free.bottom() + 1 - outer.height())));
    if (at != window->pos())
        window->move(at);
}
