#include "inventory/ItemFile.h"
#include "shell/FieldLines.h"
#include "support/DataFolder.h"

#include <QProcess>

// Saves on a disk with no room left: each reports failure and leaves the file and its Backup
// copy exactly as they were. The disk is a small tmpfs, which only root may mount; elsewhere
// the tests are skipped.
class TestFullDisk : public QObject {
    Q_OBJECT
    QTemporaryDir mountPoint;
    bool mounted = false;

    // Takes every byte the disk has left.
    void Fill() {
        QFile filler(mountPoint.path() + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        // What the buffer could not write fills the last few bytes one at a time.
        QFile tail(mountPoint.path() + "/tail");
        QVERIFY(tail.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (tail.write("t", 1) == 1) {
        }
    }

    void WriteItems(int count) {
        std::vector<NumberedItem> items;
        for (int k = 1; k <= count; ++k) {
            ItemRecord item;
            item.Description = QStringLiteral("Item %1").arg(k);
            item.OnHand = qint16(k);
            items.push_back({k, item});
        }
        QVERIFY(RewriteItemsFile(items));
    }

private slots:
    void init() {
        mounted = QProcess::execute(
                      "mount", {"-t", "tmpfs", "-o", "size=256k", "tmpfs", mountPoint.path()}) == 0;
        if (!mounted)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        QStandardPaths::setTestModeEnabled(true);
        SetAppPath(mountPoint.path() + "/data");
    }
    void cleanup() {
        if (mounted)
            QProcess::execute("umount", {mountPoint.path()});
        mounted = false;
    }

    void wholeFileSaves_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("items rewrite") << "items";
        QTest::newRow("field-line file") << "fieldlines";
    }
    void wholeFileSaves() {
        QFETCH(QString, kind);
        const QString name = kind == "items" ? "/VIInventoriedItems.txt" : "/Delivery.txt";
        if (kind == "items")
            WriteItems(100);
        else
            QVERIFY(WriteFieldLineFile(
                name, FieldLineWriter().String("Leave at the back door").EndLine(), false));
        const QString path = DataFilePath(name);
        QVERIFY(QFile::copy(path, DataFilePath("/Backup" + name)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        Fill();

        if (kind == "items") {
            std::vector<NumberedItem> items{{1, ItemRecord()}};
            items.front().Item.Description = "Changed";
            QVERIFY(!RewriteItemsFile(items));
        } else {
            QVERIFY(
                !WriteFieldLineFile(name, FieldLineWriter().String("Ring twice").EndLine(), true));
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QFile copy(DataFilePath("/Backup" + name));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), before);
        QCOMPARE(QDir(AppPath()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no leftovers
    }

    void failedAppendLeavesTheRecordsItHad() {
        // 39 records end 56 bytes short of a 4 KB page: the next record goes half-way in.
        WriteItems(39);
        Fill();
        ItemRecord item;
        item.Description = "One too many";
        QVERIFY(!WriteItemRecord(40, item));
        QCOMPARE(int(ItemCount()), 39);
        QCOMPARE(QFileInfo(DataFilePath("/VIInventoriedItems.txt")).size(), 39 * ItemRecordLength);
    }

    void exitBackupKeepsGoodCopies() {
        const QString name = "/Delivery.txt";
        QVERIFY(WriteFieldLineFile(name, FieldLineWriter().String("First").EndLine(), false));
        BackupAllFiles();
        const QByteArray good = "\"First\"\r\n";
        // Newer and longer, not yet backed up when the disk fills.
        QVERIFY(WriteFieldLineFile(name, FieldLineWriter().String(QString(3000, 'x')).EndLine(),
                                   false));
        Fill();
        BackupAllFiles();
        QFile copy(DataFilePath("/Backup" + name));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), good);
    }
};

QTEST_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
