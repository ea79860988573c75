#pragma once

#include "BenchData.h"
#include "app/Program.h"
#include "base/BasicDiskRoutines.h"
#include "common/Memory.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

// A screen benchmark's surroundings, as Main() sets them up: no display needed, US English,
// freed memory kept for reuse, and a data folder of its own holding a full items file.
struct ScreenBench {
    ScreenBench(int &argc, char **argv)
        : app((qputenv("QT_QPA_PLATFORM", "offscreen"), argc), argv) {
        KeepFreedMemoryForReuse();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SetAppPath(dir.path());
        RewriteItemsFile(BenchItems());
    }
    QApplication app;
    QTemporaryDir dir;
};
