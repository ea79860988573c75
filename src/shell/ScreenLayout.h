#pragma once

#include <QString>

class QWidget;

// Remembers each screen's size and place between runs, under a key and the screen's name.
void RestoreLayout(const QString &key, QWidget *form);
void SaveLayout(const QString &key, const QWidget *form);
