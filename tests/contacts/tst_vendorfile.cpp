#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "support/DataFolder.h"

namespace {

VendorRecord Vendor(const QString &name) {
    VendorRecord r;
    r[VendorName] = name;
    r[VendorCity] = "Tampa";
    r[VendorState] = "FL";
    r[VendorCategory] = "Supplier";
    return r;
}

} // namespace

class TestVendorFile : public QObject {
    Q_OBJECT
private slots:
    void recordLayout() {
        VendorRecord r;
        for (int f = 0; f < VendorFieldCount; ++f)
            r[f] = QString(40, QChar('a' + f));
        const QByteArray b = EncodeVendorRecord(r);
        QCOMPARE(b.size(), 235);
        const int offsets[] = {0, 20, 50, 85, 110, 130, 132, 142, 155, 185, 205, 235};
        for (int f = 0; f < VendorFieldCount; ++f) // each field cut to its width, in order
            QCOMPARE(b.mid(offsets[f], offsets[f + 1] - offsets[f]),
                     QByteArray(offsets[f + 1] - offsets[f], char('a' + f)));
    }

    void saveRules() {
        TestDataFolder data;
        VendorRecord typed;
        typed[VendorName] = "   " + QString(31, 'N');
        typed[VendorCity] = "  Ocala";
        typed[VendorKeyContact] = "  Sam";
        typed[VendorTelephone] = " 555-1234 ";
        QVERIFY(SaveVendor(1, typed));
        const QByteArray b = data.read("/VendorData.txt");
        QCOMPARE(b.size(), 235);
        QCOMPARE(b.mid(20, 30), QByteArray(30, 'N')); // leading spaces gone, cut at 30
        QCOMPARE(b.mid(110, 20), QByteArray("  Ocala").leftJustified(20)); // city as typed
        QCOMPARE(b.mid(130, 2), QByteArray("Fl"));                         // empty state
        QCOMPARE(b.mid(142, 13), QByteArray("555-1234").leftJustified(13));
        QCOMPARE(b.mid(185, 20), QByteArray("Vendor").leftJustified(20)); // empty category
        QCOMPARE(b.mid(205, 30), QByteArray("  Sam").leftJustified(30));
        QCOMPARE(ReadVendorRecord(1)->at(VendorState), QString("Fl"));
        QCOMPARE(ReadVendorRecord(1)->at(VendorKeyContact), QString("  Sam"));
    }

    void appendOnlyAtCountPlusOne() {
        TestDataFolder data;
        QVERIFY(SaveVendor(1, Vendor("One")));
        QVERIFY(!SaveVendor(3, Vendor("Gap")));
        QVERIFY(!SaveVendor(0, Vendor("None")));
        QVERIFY(SaveVendor(2, Vendor("Two")));
        QVERIFY(SaveVendor(1, Vendor("Uno")));
        QCOMPARE(VendorCount(), 2);
        QCOMPARE(ReadVendorRecord(1)->at(VendorName), QString("Uno"));
    }

    void countIgnoresRemainder_data() {
        QTest::addColumn<int>("bytes"); // -1: no file at all
        QTest::addColumn<int>("records");
        QTest::newRow("no file") << -1 << 0;
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("two and a bit") << 2 * 235 + 200 << 2;
        QTest::newRow("exact") << 3 * 235 << 3;
    }
    void countIgnoresRemainder() {
        QFETCH(int, bytes);
        QFETCH(int, records);
        TestDataFolder data;
        if (bytes >= 0)
            data.write("/VendorData.txt", QByteArray(bytes, 'z'));
        Vendors.Names = QStringList(5, "stale"); // a load replaces whatever was loaded before
        QCOMPARE(VendorCount(), records);
        QCOMPARE(LoadVendorArrays(), records);
        QCOMPARE(Vendors.Names.size(), records);
    }

    void loadFillsTrimmedArrays() {
        TestDataFolder data;
        VendorRecord r = Vendor("Acme");
        r[VendorCity] = "  Miami ";
        r[VendorAddress1] = "1 Main St";
        r[VendorPostalCode] = "33101";
        QVERIFY(SaveVendor(1, r));
        QVERIFY(SaveVendor(2, Vendor("Bolt")));
        QCOMPARE(LoadVendorArrays(), 2);
        QCOMPARE(Vendors.Names, QStringList({"Acme", "Bolt"}));
        QCOMPARE(Vendors.Cities, QStringList({"Miami", "Tampa"}));
        QCOMPARE(Vendors.Addresses1.first(), QString("1 Main St"));
        QCOMPARE(Vendors.PostalCodes.first(), QString("33101"));
        QCOMPARE(Vendors.Categories.last(), QString("Supplier"));
    }

    void deleteRenumbers() {
        TestDataFolder data;
        for (const char *name : {"A", "B", "C", "D", "E"})
            QVERIFY(SaveVendor(VendorCount() + 1, Vendor(name)));
        data.write("/Contact.TMP", "stale");
        QVERIFY(DeleteVendor(3));
        QCOMPARE(LoadVendorArrays(), 4);
        QCOMPARE(Vendors.Names, QStringList({"A", "B", "D", "E"}));
        QVERIFY(!data.exists("/Contact.TMP"));
        QVERIFY(DeleteVendor(4)); // the last record
        QCOMPARE(LoadVendorArrays(), 3);
        QCOMPARE(Vendors.Names, QStringList({"A", "B", "D"}));
    }
};

QTEST_GUILESS_MAIN(TestVendorFile)
#include "tst_vendorfile.moc"
