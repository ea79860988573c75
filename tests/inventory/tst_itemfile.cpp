#include "common/Variables.h"
#include "contacts/VendorFile.h"
#include "inventory/ItemFile.h"
#include "inventory/Locations.h"
#include "support/DataFolder.h"
#include "support/Items.h"

namespace {

constexpr auto Cents = &Currency::fromCents;

ItemRecord Item(const QString &description, qint16 onHand = 0) {
    return {description, "Fittings", {}, {}, onHand, {}, 0, 0, 0};
}

} // namespace

class TestItemFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void recordLayout() {
        const ItemRecord item = {"Washer",  "Plumbing", Cents(1250),
                                 Cents(-1), -2,         Currency::fromTenThousandths(3),
                                 100000,    32767,      -32768};
        const QByteArray b = EncodeItemRecord(item);
        QCOMPARE(b.size(), 104);
        QCOMPARE(b.left(70),
                 QByteArray("Washer").leftJustified(50) + QByteArray("Plumbing").leftJustified(20));
        // Then little-endian: cost, price, on-hand, discount price, discount quantity, reorder
        // amount and level; amounts in ten-thousandths.
        QCOMPARE(b.mid(70), QByteArray::fromHex("48e8010000000000 9cffffffffffffff feff "
                                                "0300000000000000 a0860100 ff7f 0080"));
        QCOMPARE(DecodeItemRecord(b.constData(), b.size()), item);

        // Text too long is cut; Windows-1252 holds the accents and the euro.
        const QByteArray c = EncodeItemRecord(
            {QString(60, 'x'), u"Caf\u00e9 \u20ac supplies and more"_qs, {}, {}, 0, {}, 0, 0, 0});
        QCOMPARE(c.size(), 104);
        QCOMPARE(c.left(57), QByteArray(50, 'x') + "Caf\xE9 \x80 ");
        QCOMPARE(DecodeItemRecord(c.constData(), 104).Category,
                 u"Caf\u00e9 \u20ac supplies and"_qs);
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

    // A record cut short at the end is read when more than half of it is there.
    void shortFileReadsWhatItCan_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        const QByteArray two = EncodeItemRecord(Item("one")) + EncodeItemRecord(Item("two"));
        const QByteArray partial = "partial";
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("less than half a record") << two + partial.leftJustified(40, ' ') << 2;
        QTest::newRow("more than half a record") << two + partial.leftJustified(60, ' ') << 3;
    }
    void shortFileReadsWhatItCan() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        TestDataFolder data;
        QVERIFY(ReadAllItems().empty()); // no file at all
        data.write("/VIInventoriedItems.txt", bytes);
        QCOMPARE(int(ItemCount()), records);
        const std::vector<ItemRecord> items = ReadAllItems();
        QCOMPARE(int(items.size()), records);
        if (records == 3)
            QCOMPARE(items[2], ItemRecord({"partial", "", {}, {}, 0, {}, 0, 0, 0}));
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
        QCOMPARE(error, QString("The record number 0 is out of range (1 to 32767)."));
        QCOMPARE(Descriptions(), QStringList({"a", "b", "c"}));

        // A blank item sorted first is kept with the rest; only an empty table leaves no file.
        QVERIFY(RewriteItemsFile({{1, Item("")}, {2, Item("b")}}));
        QCOMPARE(Descriptions(), QStringList({"", "b"}));
        QVERIFY(RewriteItemsFile({}));
        QVERIFY(!data.exists("/VIInventoriedItems.txt"));
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
        QCOMPARE(
            *ItemFromCells(QStringList({read.Description, read.Category}) + QStringList(7, "0")),
            read);

        QCOMPARE(ParseLocations(LocationsText({text})).first(), text);

        VendorRecord vendor;
        vendor[VendorName] = text;
        QVERIFY(SaveVendor(1, vendor));
        QCOMPARE(ReadVendorRecord(1)->at(VendorName), text);
        LoadVendorArrays();
        QCOMPARE(Vendors.Names.first(), text);
    }

    // A grid row's cells back to a record, whole numbers rounded half to even; or the row
    // refused, saying what the cell must hold.
    void cells_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<ItemRecord>("item");
        QTest::addColumn<QString>("error");
        QTest::newRow("as the grid shows it")
            << QStringList(
                   {"Elbow", "Copper", "$1,234.50", "$9.50", "-3", "$8.00", "12", "10", "2"})
            << ItemRecord{"Elbow", "Copper", Cents(123450), Cents(950), -3, Cents(800), 12, 10, 2}
            << QString();
        QTest::newRow("halves to even")
            << QStringList({"x", "y", "1", "2", "12.5", "3", "2.5", "13.5", "0.5"})
            << ItemRecord{"x", "y", Cents(100), Cents(200), 12, Cents(300), 2, 14, 0} << QString();
        const auto refused = [](const char *name, int column, const char *text, QString error) {
            QStringList cells = {"x", "y", "$1.00", "$2.00", "3", "$1.50", "0", "0", "0"};
            cells[column] = text;
            QTest::newRow(name) << cells << ItemRecord() << error;
        };
        const QString small = " must be a whole number from -32768 to 32767.";
        const QString money = " must be an amount of money.";
        refused("on-hand too big", 4, "32768", "On-Hand" + small);
        refused("disc qty too big", 6, "2147483648",
                "Disc Qty must be a whole number from -2147483648 to 2147483647.");
        refused("reorder not a number", 7, "ten", "Reorder" + small);
        refused("price not money", 3, "cheap", "Price" + money);
        refused("empty cost", 2, "", "Cost (Unit)" + money);
    }
    void cells() {
        QFETCH(QStringList, cells);
        QFETCH(ItemRecord, item);
        QFETCH(QString, error);
        QString said;
        const std::optional<ItemRecord> read = ItemFromCells(cells, &said);
        QCOMPARE(said, error);
        QCOMPARE(bool(read), error.isEmpty());
        QCOMPARE(read.value_or(ItemRecord()), item);
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
