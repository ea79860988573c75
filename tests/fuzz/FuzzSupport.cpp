#include "FuzzSupport.h"

#include "base/BasicDiskRoutines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void PutDataFile(const QString &name, const uint8_t *data, size_t size) {
    // In memory where the system has such a folder: a run makes millions of files.
    static QTemporaryDir folder(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/velbor-fuzz")
                                                          : QDir::tempPath() + "/velbor-fuzz");
    if (AppPath() != folder.path())
        SetAppPath(folder.path());
    DeleteWithBackup(name);
    QFile file(DataFilePath(name));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size)) {
        std::fprintf(stderr, "the input could not be put in %s\n", qPrintable(file.fileName()));
        std::abort();
    }
}

void Check(bool agrees, const char *what) {
    if (!agrees) {
        std::fprintf(stderr, "read back differently: %s\n", what);
        std::abort();
    }
}
