#include "pricebook/PriceBookSources.h"
#include "support/DataFolder.h"

#include <QtEndian>

// The sibling program's services and custom items, read byte for byte.
class TestPriceBookSources : public QObject {
    Q_OBJECT
private slots:
    void services_data() {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("read");     // description and price of each record, "|" between
        const QByteArray drain = QByteArray("Drain cleaning").leftJustified(60) +
                                 QByteArray(" $85.00").leftJustified(10) + QByteArray(2, '\1');
        const QString one = "Drain cleaning|$85.00"; // one whole record, read
        QTest::newRow("whole") << drain + drain << one + "|" + one;
        // 72 + 40 bytes: 1.56 records round to 2; the second holds what there is.
        QTest::newRow("cut short") << drain + drain.left(40) << one + "|Drain cleaning|";
        QTest::newRow("cut early") << drain + drain.left(20) << one;
        QTest::newRow("no file") << QByteArray() << "";
    }
    void services() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, read);
        TestDataFolder data;
        if (!bytes.isNull())
            data.write("/Services.txt", bytes);
        QStringList fields;
        for (const ServiceRecord &service : ReadServices())
            fields << service.Description << service.Price;
        QCOMPARE(fields.join('|'), read);
    }

    void customItems() {
        TestDataFolder data;
        QByteArray record = QByteArray("Custom vanity").leftJustified(50) + QByteArray(20, '\0');
        qToLittleEndian<qint64>(4500000, record.data() + 50);
        qToLittleEndian<qint64>(-4000000, record.data() + 58);
        qToLittleEndian<qint32>(12, record.data() + 66);
        data.write("/CustomItems.txt", record);
        const std::vector<CustomItemRecord> items = ReadCustomItems();
        QCOMPARE(items.size(), size_t(1));
        QCOMPARE(items[0].Description, QString("Custom vanity"));
        QCOMPARE(items[0].Price, Currency::fromCents(45000));
        QCOMPARE(items[0].DiscountPrice, Currency::fromCents(-40000));
        QCOMPARE(items[0].DiscountQty, 12);
        TestDataFolder none;
        QVERIFY(ReadCustomItems().empty());
    }
};

QTEST_GUILESS_MAIN(TestPriceBookSources)
#include "tst_pricebooksources.moc"
