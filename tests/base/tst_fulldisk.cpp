#include "support/DataFolder.h"
#include "support/SaveKinds.h"

#include <QProcess>

// Every kind of save on a full disk: a failed save says so and leaves the files as they were.
// Mounting the small disk needs root; elsewhere tst_savefaults' fault seam covers the same steps.
class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void savesKeepTheOldFiles_data() { AddSaveKindRows(); }
    void savesKeepTheOldFiles() {
        QFETCH(QString, kind);
        const SaveKind &save = FindSaveKind(kind);
        TestDataFolder data;
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", AppPath()}) != 0)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        SetAppPath(AppPath()); // the Backup folder, on the new disk
        save.prepare();
        const FolderSnapshot before = Snapshot(AppPath());
        QFile filler(data.path("/filler")); // takes every byte the disk has left
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
        filler.close();
        const bool saved = save.save(1);
        FolderSnapshot after = Snapshot(AppPath());
        after.remove("filler");
        QProcess::execute("umount", {AppPath()});
        QCOMPARE(after.keys(), before.keys());
        // A record written over another needs no new room and may well succeed; every other
        // save must fail and keep the files (an append cut half-way is cut back).
        const bool inPlace = kind == "item record write" || kind == "vendor save";
        if (!inPlace || !saved) {
            QVERIFY(!saved);
            QVERIFY(Checked(after, save) == Checked(before, save));
        }
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
