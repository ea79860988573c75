#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Remembers each screen's size and place between runs, under a key and the screen's name.
QByteArray SavedLayout(const QString &key, const QString &formName);
void SaveLayout(const QString &key, const QString &formName, const QByteArray &geometry);

// Puts a window that is about to be shown where it was left (a geometry from saveGeometry),
// or, without one, at its own size centred on the screen; either way no larger than the
// screen's free area and wholly inside it, so a place kept from a larger monitor comes back
// into view.
void PlaceOnScreen(QWidget *window, const QByteArray &geometry);

// Whether every document is shown in a preview before it prints: the user's own choice, kept
// with the layouts, never in a data file the suite shares.
bool PreviewDocuments();
void SetPreviewDocuments(bool preview);
