#pragma once

#include "base/BasicDiskRoutines.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The business data file of the business that the printed documents of the tests head.
inline const QByteArray AceBusinessData =
    "\"Ace Plumbing\",\"12 Harbor "
    "Road\",\"\",\"Tampa\",\"FL\",\"33601\",\"813-555-0100\",\"\",\"\"\r\n";

// A fresh, empty data folder for one test, made the program's data folder.
class TestDataFolder {
public:
    TestDataFolder() {
        QStandardPaths::setTestModeEnabled(true);
        // Screen layouts saved by an earlier test must not shape this one.
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velbor")
            .removeRecursively();
        SetAppPath(m_dir.path());
    }
    QString path(const QString &name) const { return DataFilePath(name); }
    QByteArray read(const QString &name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString &name, const QByteArray &bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    bool exists(const QString &name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir m_dir;
};
