#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"
#include "support/DataFolder.h"

#include <QtEndian>

namespace {

ItemRecord Item(const QString &description, qint16 onHand = 0) {
    ItemRecord item;
    item.Description = description;
    item.Category = QStringLiteral("Fittings");
    item.OnHand = onHand;
    return item;
}

QStringList Descriptions() {
    QStringList names;
    for (const ItemRecord &item : ReadAllItems())
        names << item.Description;
    return names;
}

} // namespace

class TestItemFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void recordLayout() {
        ItemRecord item;
        item.Description = "Washer";
        item.Category = "Plumbing";
        item.Cost = Currency::fromCents(1250);
        item.Price = Currency::fromCents(-1);
        item.OnHand = -2;
        item.DiscountPrice = Currency::fromTenThousandths(3);
        item.DiscountQty = 100000;
        item.ReorderAmount = 32767;
        item.ReorderAt = -32768;
        const QByteArray b = EncodeItemRecord(item);
        QCOMPARE(b.size(), 104);
        QCOMPARE(b.left(50), QByteArray("Washer").leftJustified(50, ' '));
        QCOMPARE(b.mid(50, 20), QByteArray("Plumbing").leftJustified(20, ' '));
        QCOMPARE(qFromLittleEndian<qint64>(b.constData() + 70), 125000LL);
        QCOMPARE(qFromLittleEndian<qint64>(b.constData() + 78), -100LL);
        QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 86), qint16(-2));
        QCOMPARE(qFromLittleEndian<qint64>(b.constData() + 88), 3LL);
        QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 96), 100000);
        QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 100), qint16(32767));
        QCOMPARE(qFromLittleEndian<qint16>(b.constData() + 102), qint16(-32768));

        const ItemRecord back = DecodeItemRecord(b.constData(), b.size());
        QCOMPARE(back.Description, QString("Washer"));
        QCOMPARE(back.Category, QString("Plumbing"));
        QCOMPARE(back.Cost, item.Cost);
        QCOMPARE(back.DiscountQty, 100000);
        QCOMPARE(back.ReorderAt, qint16(-32768));
    }

    void longAndForeignText() {
        ItemRecord item;
        item.Description = QString(60, 'x');
        item.Category = QString::fromUtf8("Caf\u00e9 \u20ac supplies and more");
        const QByteArray b = EncodeItemRecord(item);
        QCOMPARE(b.size(), 104);
        QCOMPARE(b.left(50), QByteArray(50, 'x'));
        QCOMPARE(b.mid(50, 7), QByteArray("Caf\xE9 \x80 "));
        QCOMPARE(DecodeItemRecord(b.constData(), 104).Category,
                 QString::fromUtf8("Caf\u00e9 \u20ac supplies and"));
    }

    void emptyOrMissingFileHoldsNoItems() {
        TestDataFolder data;
        QVERIFY(ReadAllItems().empty());
        data.write("/VIInventoriedItems.txt", "");
        QCOMPARE(int(ItemCount()), 0);
        QVERIFY(ReadAllItems().empty());
    }

    void writeAppendsAndOverwrites() {
        TestDataFolder data;
        QVERIFY(WriteItemRecord(1, Item("one")));
        QVERIFY(WriteItemRecord(2, Item("two")));
        QVERIFY(!WriteItemRecord(4, Item("gap"))); // only count + 1 appends
        QVERIFY(WriteItemRecord(1, Item("first", 7)));
        QCOMPARE(data.read("/VIInventoriedItems.txt").size(), 208);
        QCOMPARE(Descriptions(), QStringList({"first", "two"}));
        QCOMPARE(ReadItemRecord(1)->OnHand, qint16(7));
        QVERIFY(!ReadItemRecord(3));
    }

    void deleteCompactsAndDropsBackup() {
        TestDataFolder data;
        for (const char *name : {"one", "two", "three"})
            QVERIFY(WriteItemRecord(ItemCount() + 1, Item(name)));
        data.write("/Backup/VIInventoriedItems.txt", data.read("/VIInventoriedItems.txt"));
        data.write("/Inventory.TMP", "stale scratch");

        QVERIFY(DeleteItemRecord(2));
        QCOMPARE(data.read("/VIInventoriedItems.txt").size(), 208);
        QCOMPARE(Descriptions(), QStringList({"one", "three"}));
        QVERIFY(!data.exists("/Backup/VIInventoriedItems.txt"));
        QVERIFY(!data.exists("/Inventory.TMP"));

        QVERIFY(DeleteItemRecord(2));
        QVERIFY(DeleteItemRecord(1));
        QCOMPARE(int(ItemCount()), 0);
    }

    void truncatedFileReadsWhatItCan_data() {
        QTest::addColumn<int>("extraBytes");
        QTest::addColumn<int>("records");
        QTest::newRow("less than half a record") << 40 << 2;
        QTest::newRow("more than half a record") << 60 << 3;
    }
    void truncatedFileReadsWhatItCan() {
        QFETCH(int, extraBytes);
        QFETCH(int, records);
        TestDataFolder data;
        QByteArray bytes = EncodeItemRecord(Item("one")) + EncodeItemRecord(Item("two"));
        bytes += QByteArray("partial").leftJustified(extraBytes, ' ');
        data.write("/VIInventoriedItems.txt", bytes);
        const std::vector<ItemRecord> items = ReadAllItems();
        QCOMPARE(int(items.size()), records);
        if (records == 3) {
            QCOMPARE(items[2].Description, QString("partial"));
            QCOMPARE(items[2].Category, QString());
            QCOMPARE(items[2].Cost, Currency());
        }
    }

    void rewriteKeepsRecordNumbers() {
        TestDataFolder data;
        data.write("/Backup/VIInventoriedItems.txt", "old");
        // Rows in grid order (sorted), each written at its own record number.
        QVERIFY(RewriteItemsFile({{3, Item("c")}, {1, Item("a")}, {2, Item("b", 5)}}));
        QCOMPARE(Descriptions(), QStringList({"a", "b", "c"}));
        QCOMPARE(ReadItemRecord(2)->OnHand, qint16(5));
        QVERIFY(!data.exists("/Backup/VIInventoriedItems.txt"));

        QString error;
        QVERIFY(!RewriteItemsFile({{0, Item("bad")}}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Descriptions(), QStringList({"a", "b", "c"}));

        // A blank item sorted first is kept with the rest; only an empty table leaves no file.
        QVERIFY(RewriteItemsFile({{1, Item("")}, {2, Item("b")}}));
        QCOMPARE(Descriptions(), QStringList({"", "b"}));
        QVERIFY(RewriteItemsFile({}));
        QVERIFY(!data.exists("/VIInventoriedItems.txt"));
    }

    void cellsBothWays() {
        ItemRecord item;
        item.Description = "Elbow";
        item.Category = "Copper";
        item.Cost = Currency::fromCents(123450);
        item.Price = Currency::fromCents(950);
        item.OnHand = -3;
        item.DiscountPrice = Currency::fromCents(800);
        item.DiscountQty = 12;
        item.ReorderAmount = 10;
        item.ReorderAt = 2;
        // As the grid shows the item.
        const QStringList cells = {"Elbow", "Copper", "$1,234.50", "$9.50", "-3",
                                   "$8.00", "12",     "10",        "2"};
        const std::optional<ItemRecord> back = ItemFromCells(cells);
        QVERIFY(back);
        QCOMPARE(EncodeItemRecord(*back), EncodeItemRecord(item));
    }

    // What a save writes reads back as it was: only spaces pad a field.
    void whitespaceSurvivesASave_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("leading tab") << "\tElbow";
        QTest::newRow("trailing tab") << "Elbow\t";
        QTest::newRow("trailing no-break space") << QString("Elbow\u00a0");
        QTest::newRow("leading no-break space") << QString("\u00a0Elbow");
    }
    void whitespaceSurvivesASave() {
        QFETCH(QString, text);
        TestDataFolder data;
        QVERIFY(RewriteItemsFile({{1, Item(text)}}));
        const ItemRecord read = ReadAllItems().at(0);
        QCOMPARE(read.Description, text);
        // Shown in the grid and saved again from its cells.
        const QStringList cells = {
            read.Description, read.Category, "0", "0", "0", "0", "0", "0", "0"};
        QCOMPARE(ItemFromCells(cells)->Description, text);

        QCOMPARE(ParseLocations(LocationsText({text})).first(), text);

        VendorRecord vendor;
        vendor[VendorName] = text;
        QVERIFY(SaveVendor(1, vendor));
        QCOMPARE(ReadVendorRecord(1)->at(VendorName), text);
        LoadVendorArrays();
        QCOMPARE(Vendors.Names.first(), text);
    }

    void cellsOutOfRangeAreRefused_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("on-hand too big") << 4 << "32768"
                                         << "On-Hand must be a whole number from -32768 to 32767.";
        QTest::newRow("disc qty too big")
            << 6 << "2147483648"
            << "Disc Qty must be a whole number from -2147483648 to 2147483647.";
        QTest::newRow("reorder not a number")
            << 7 << "ten"
            << "Reorder must be a whole number from -32768 to 32767.";
        QTest::newRow("price not money") << 3 << "cheap"
                                         << "Price must be an amount of money.";
        QTest::newRow("empty cost") << 2 << ""
                                    << "Cost (Unit) must be an amount of money.";
    }
    void cellsOutOfRangeAreRefused() {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QStringList cells = {"x", "y", "$1.00", "$2.00", "3", "$1.50", "0", "0", "0"};
        cells[column] = text;
        QString error;
        QVERIFY(!ItemFromCells(cells, &error));
        QCOMPARE(error, message);
    }

    void cellsRoundHalfToEven() {
        const QStringList cells = {"x", "y", "1", "2", "12.5", "3", "2.5", "13.5", "0.5"};
        const std::optional<ItemRecord> item = ItemFromCells(cells);
        QVERIFY(item);
        QCOMPARE(item->OnHand, qint16(12));
        QCOMPARE(item->DiscountQty, 2);
        QCOMPARE(item->ReorderAmount, qint16(14));
        QCOMPARE(item->ReorderAt, qint16(0));
        QCOMPARE(item->Cost, Currency::fromCents(100));
    }

    void addCategory() {
        QStringList list;
        QVERIFY(AddCategory(list, "Pipe"));
        QVERIFY(!AddCategory(list, "Pipe"));
        QVERIFY(AddCategory(list, "pipe"));
        QVERIFY(!AddCategory(list, ""));
        QVERIFY(AddCategory(list, " Pipe"));
        QCOMPARE(list, QStringList({"Pipe", "pipe", " Pipe"}));
    }
};

QTEST_GUILESS_MAIN(TestItemFile)
#include "tst_itemfile.moc"
