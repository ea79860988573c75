#include "inventory/ItemFile.h"
#include "shell/FieldLines.h"
#include "support/DataFolder.h"

#include <QProcess>

namespace {

// A data folder on a 256 KB disk of its own, which only root may mount; the tests that need
// one are skipped elsewhere.
struct SmallDisk {
    TestDataFolder data;
    const bool mounted =
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", AppPath()}) == 0;
    SmallDisk() { SetAppPath(AppPath()); } // the Backup folder, on the new disk
    ~SmallDisk() {
        if (mounted)
            QProcess::execute("umount", {AppPath()});
    }
    // Takes every byte the disk has left.
    void Fill() const {
        QFile filler(data.path("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) > 0) {
        }
    }
};

bool WriteItems(int count, const QString &description = QStringLiteral("Item")) {
    std::vector<NumberedItem> items(static_cast<size_t>(count));
    for (int k = 1; k <= count; ++k) {
        items[size_t(k - 1)].RecordNumber = k;
        items[size_t(k - 1)].Item.Description = description;
    }
    return RewriteItemsFile(items);
}

bool WriteDelivery(const QString &text, bool deleteBackupCopy = false) {
    return WriteFieldLineFile("/Delivery.txt", FieldLineWriter().String(text).EndLine(),
                              deleteBackupCopy);
}

} // namespace

// Saves on a disk with no room left report failure and leave the file and its Backup copy
// exactly as they were, with nothing left beside them.
class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void savesKeepTheOldFiles_data() {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"items rewrite", "field-line save", "exit backup"})
            QTest::newRow(kind) << kind;
    }
    void savesKeepTheOldFiles() {
        QFETCH(QString, kind);
        SmallDisk disk;
        if (!disk.mounted)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString name = kind == "items rewrite" ? "/VIInventoriedItems.txt" : "/Delivery.txt";
        if (kind == "items rewrite")
            QVERIFY(WriteItems(100));
        else
            QVERIFY(WriteDelivery("Leave at the back door"));
        disk.data.write("/Backup" + name, disk.data.read(name));
        if (kind == "exit backup") // newer and longer, not backed up yet
            QVERIFY(WriteDelivery(QString(3000, 'x')));
        const QByteArray file = disk.data.read(name), copy = disk.data.read("/Backup" + name);
        disk.Fill();

        if (kind == "items rewrite")
            QVERIFY(!WriteItems(1, "Changed"));
        else if (kind == "field-line save")
            QVERIFY(!WriteDelivery("Ring twice", true));
        else
            BackupAllFiles();
        QCOMPARE(disk.data.read(name), file);
        QCOMPARE(disk.data.read("/Backup" + name), copy);
        QCOMPARE(QDir(AppPath()).entryList(QDir::Files | QDir::Hidden).size(), 2); // and filler
    }

    void failedAppendLeavesTheRecordsItHad() {
        SmallDisk disk;
        if (!disk.mounted)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        // 39 records end 56 bytes short of a 4 KB page: the next record goes half-way in.
        QVERIFY(WriteItems(39));
        disk.Fill();
        QVERIFY(!WriteItemRecord(40, ItemRecord()));
        QCOMPARE(disk.data.read("/VIInventoriedItems.txt").size(), 39 * ItemRecordLength);
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
