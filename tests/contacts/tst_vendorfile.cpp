#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "support/DataFolder.h"

namespace {

VendorRecord Vendor(const QString &name, const QString &city = "Tampa") {
    VendorRecord r;
    r[VendorName] = name;
    r[VendorCity] = city;
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

    // Each field as typed, then as stored: the city and key contact keep their leading spaces.
    void saveRules() {
        const QList<std::tuple<int, QString, QString>> fields = {
            {VendorName, "   " + QString(31, 'N'), QString(30, 'N')},
            {VendorCity, "  Ocala", "  Ocala"},
            {VendorState, "", "Fl"},
            {VendorTelephone, " 555-1234 ", "555-1234"},
            {VendorCategory, "", "Vendor"},
            {VendorKeyContact, "  Sam", "  Sam"}};
        TestDataFolder data;
        VendorRecord typed, stored;
        for (const auto &[field, in, out] : fields) {
            typed[field] = in;
            stored[field] = out;
        }
        QVERIFY(SaveVendor(1, typed));
        QCOMPARE(data.read("/VendorData.txt"), EncodeVendorRecord(stored));
        QVERIFY(ReadVendorRecord(1) == stored);
    }

    // A save goes to a record there or to count + 1; a delete moves the later ones down.
    void numberingAndDelete() {
        TestDataFolder data;
        VendorRecord a = Vendor("A", "  Miami ");
        a[VendorAddress1] = "1 Main St";
        a[VendorPostalCode] = "33101";
        QVERIFY(SaveVendor(1, a));
        QVERIFY(!SaveVendor(3, Vendor("Gap")));
        QVERIFY(!SaveVendor(0, Vendor("None")));
        for (const char *name : {"B", "C", "D", "E"})
            QVERIFY(SaveVendor(VendorCount() + 1, Vendor(name)));
        QVERIFY(SaveVendor(2, Vendor("Bee")));
        data.write("/Contact.TMP", "stale");
        QVERIFY(DeleteVendor(3));
        QVERIFY(!data.exists("/Contact.TMP"));
        QVERIFY(DeleteVendor(4)); // the last record
        QCOMPARE(LoadVendorArrays(), 3);
        QCOMPARE(Vendors.Names, QStringList({"A", "Bee", "D"}));
        QCOMPARE(Vendors.Cities, QStringList({"Miami", "Tampa", "Tampa"})); // trimmed
        QCOMPARE(Vendors.Addresses1.first(), QString("1 Main St"));
        QCOMPARE(Vendors.PostalCodes.first(), QString("33101"));
        QCOMPARE(Vendors.Categories.last(), QString("Supplier"));
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
};

QTEST_GUILESS_MAIN(TestVendorFile)
#include "tst_vendorfile.moc"
