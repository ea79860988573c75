// Saves the two versions of one save kind in turn, without end, in the data folder given, until
// it is killed: save_worker <kind> <folder>.
#include "base/BasicDiskRoutines.h"
#include "support/SaveKinds.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3)
        return 2;
    QCoreApplication app(argc, argv); // the history's database driver is a plugin
    const SaveKind &kind = FindSaveKind(QString::fromLocal8Bit(argv[1]));
    SetAppPath(QString::fromLocal8Bit(argv[2]));
    std::puts("saving");
    std::fflush(stdout);
    for (int version = 1;; version ^= 1)
        kind.save(version);
}
