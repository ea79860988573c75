#include "support/DataFolder.h"

#include <QDateTime>
#include <QDir>

#include <optional>

class TestDataFolder_ : public QObject {
    Q_OBJECT
    std::optional<TestDataFolder> data; // a fresh, empty data folder for every test and row

private slots:
    void init() { data.emplace(); }

    void separatorsRestoreAndDelete() {
        QVERIFY(!FileExistsOrRestore("/VendorData.txt"));
        QVERIFY(!data->exists("/VendorData.txt"));
        data->write("/Backup/VendorData.txt", "saved vendor bytes");
        QVERIFY(FileExistsOrRestore("\\VendorData.txt"));
        QCOMPARE(data->read("/VendorData.txt"), QByteArray("saved vendor bytes"));
        // A present file is never overwritten by its copy.
        data->write("\\VendorData.txt", "newer");
        QVERIFY(FileExistsOrRestore("/VendorData.txt"));
        QCOMPARE(data->read("/VendorData.txt"), QByteArray("newer"));
        QCOMPARE(DataFilePath("/VendorData.txt"), DataFilePath("\\VendorData.txt"));

        DeleteDataFile("/VendorData.txt");
        QVERIFY(!data->exists("\\VendorData.txt"));
        QVERIFY(data->exists("/Backup/VendorData.txt"));
        data->write("/PONumber.txt", "1");
        data->write("/Backup/PONumber.txt", "1");
        DeleteWithBackup("\\PONumber.txt");
        QVERIFY(!data->exists("/PONumber.txt"));
        QVERIFY(!data->exists("/Backup/PONumber.txt"));
        QVERIFY(data->exists("/Backup/VendorData.txt"));
    }

    void recordCount_data() {
        QTest::addColumn<int>("bytes"); // -1: no file at all
        QTest::addColumn<int>("records");
        QTest::newRow("missing file") << -1 << 0;
        QTest::newRow("empty file") << 0 << 0;
        QTest::newRow("one record") << 104 << 1;
        QTest::newRow("1.49 rounds down") << 155 << 1;
        QTest::newRow("1.5 rounds to even 2") << 156 << 2;
        QTest::newRow("2.5 rounds to even 2") << 260 << 2;
        QTest::newRow("3.5 rounds to even 4") << 364 << 4;
        QTest::newRow("2.6 rounds up") << 270 << 3;
    }
    void recordCount() {
        QFETCH(int, bytes);
        QFETCH(int, records);
        if (bytes >= 0)
            data->write("/VIInventoriedItems.txt", QByteArray(bytes, 'a'));
        QCOMPARE(int(RecordCount("/VIInventoriedItems.txt", 104)), records);
        // Counting neither makes a missing file nor takes one away.
        QCOMPARE(data->exists("/VIInventoriedItems.txt"), bytes >= 0);
    }

    void backupAllFiles() {
        const QStringList catalogue =
            QString("CompanyLogo CustomerData AuxHeadings LogoSettings Phone MyBusinessData "
                    "PrintColors SoldItems MyWebSite TaxRecords SpeedNumbers VIVInfo "
                    "VIInventoriedItems VendorData PicklistInstructions Locations PONumber "
                    "Delivery InventoryInfo Services CustomItems")
                .split(' ');
        for (const QString &name : catalogue)
            data->write("/" + name + ".txt", name.toLatin1());
        DeleteDataFile("/Phone.txt"); // absent at exit: its old copy must stay
        data->write("/Backup/Phone.txt", "old phone");
        data->write("/Backup/VendorData.txt", "old vendors");
        data->write("/RFQ.txt", "rfq");
        data->write("/Temp.url", "url");
        BackupAllFiles();
        for (const QString &name : catalogue)
            QCOMPARE(data->read("/Backup/" + name + ".txt"),
                     name == "Phone" ? QByteArray("old phone") : name.toLatin1());
        QVERIFY(!data->exists("/Backup/RFQ.txt"));
        QVERIFY(!data->exists("/Backup/Temp.url"));
        // Nothing half-made is left behind in the Backup folder.
        QCOMPARE(QDir(data->path("/Backup")).entryList(QDir::Files).size(), catalogue.size());
    }

    void unfinishedSavesAreRemoved() {
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        const QStringList gone = {"/VIInventoriedItems.txt.a1B2c3", "/Backup/VendorData.txt.Zz9yX8",
                                  "/Inventory.TMP.000000", "/Contact.TMP"};
        const QStringList kept = {"/Delivery.txt.q1w2e3", "/Notes.txt.abc", "/Delivery.txt",
                                  "/photo.jpg.a1b2c3"};
        QStringList left = gone + kept;
        for (const QString &name : left) {
            data->write(name, "x");
            QFile file(data->path(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (name != "/Delivery.txt.q1w2e3") // that one is being saved right now
                QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        RemoveUnfinishedSaves();
        left.removeIf([this](const QString &name) { return !data->exists(name); });
        QCOMPARE(left, kept);
    }

    void rewrites() {
        data->write("/Delivery.txt", "an older and longer content");
        QVERIFY(WriteWholeFile("/Delivery.txt", "new"));
        QCOMPARE(data->read("/Delivery.txt"), QByteArray("new"));
        data->write("/VendorData.txt", "AAABBBCCCDD");
        QVERIFY(DeleteRecordThrough("/VendorData.txt", "/Contact.TMP", 3, 4, 2));
        QCOMPARE(data->read("/VendorData.txt"), QByteArray("AAACCCDD\0", 9));
        QCOMPARE(QDir(data->path("/")).entryList(QDir::Files),
                 QStringList({"Delivery.txt", "VendorData.txt"})); // no scratch file left
    }

    void backupFolderLost() {
        QVERIFY(QDir(data->path("/Backup")).exists()); // made along with the data folder
        QDir(data->path("/Backup")).removeRecursively();
        data->write("/VendorData.txt", "v");
        BackupAllFiles();
        QCOMPARE(data->read("/Backup/VendorData.txt"), QByteArray("v"));
        // An exit backup cut short between moving the old set aside and the new one in.
        QVERIFY(QDir().rename(data->path("/Backup"), data->path("/Backup.old")));
        data->write("/VendorData.txt", "newer");
        SetAppPath(AppPath());
        QCOMPARE(data->read("/Backup/VendorData.txt"), QByteArray("v"));
        QVERIFY(!QDir(data->path("/Backup.old")).exists());
    }
};

QTEST_GUILESS_MAIN(TestDataFolder_)
#include "tst_datafolder.moc"
