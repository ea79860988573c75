#include "inventory/ItemCsv.h"

#include <QTest>

namespace {

// The cost in ten-thousandths.
ItemRecord Item(const QString &description, const QString &category, qint64 cost = 12500) {
    const auto money = &Currency::fromTenThousandths;
    return {description, category, money(cost), money(39900), 7, {}, 12, 0, 0};
}

// Each refused row as "line: reason".
QStringList Refusals(const ItemImport &plan) {
    QStringList refusals;
    for (const RefusedRow &row : plan.Refused)
        refusals << QString::number(row.Line) + ": " + row.Reason;
    return refusals;
}

const QByteArray Heading = "Description,Category,Cost,Price,On Hand,Discount Price,Discount "
                           "Quantity,Reorder Amount,Reorder Level\r\n";

} // namespace

class TestItemCsv : public QObject {
    Q_OBJECT
private slots:
    void everyFieldRoundTrips() {
        ItemRecord extremes = Item("Valve, \"brass\"\r\nlead free", "Plumbing", 12345);
        extremes.OnHand = 32767;
        extremes.ReorderAmount = 32767;
        extremes.ReorderAt = 0;
        extremes.DiscountQty = 2147483647;
        extremes.DiscountPrice = Currency::fromTenThousandths(9223372036854775807LL);
        const std::vector<ItemRecord> items = {
            extremes, Item(QString::fromUtf8("Caf\u00e9 filter\u00a0pad"), "\tHVAC", 1),
            Item(QString::fromUtf8("\ufeffMarked"), "")};
        const QByteArray csv = ItemsToCsv(items);
        QVERIFY(csv.startsWith("\xEF\xBB\xBF\"Description\",\"Category\",\"Cost\""));
        QVERIFY(csv.contains(",1.2345,3.99,32767,"));
        QString error;
        std::optional<ItemImport> plan = PlanItemImport(csv, {}, &error);
        QVERIFY2(plan, qPrintable(error));
        QVERIFY(plan->Refused.empty());
        QCOMPARE(plan->Added, 3);
        QCOMPARE(plan->Items.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i)
            QCOMPARE(plan->Items[i].Item, items[i]);
        // Read back over the same items, it changes none of them.
        plan = PlanItemImport(csv, items, &error);
        QCOMPARE(plan->Unchanged, 3);
        QCOMPARE(plan->Added + plan->Updated, 0);
    }

    void spreadsheetForms_data() {
        QTest::addColumn<QByteArray>("csv"); // each file names one item, Item(description, "Pipe")
        QTest::addColumn<QString>("description");
        QTest::newRow("LF, no quotes")
            << QByteArray(Heading).replace("\r\n", "\n") + "Elbow,Pipe,1.25,3.99,7,0,12,0,0\n"
            << "Elbow";
        QTest::newRow("semicolons, decimal commas")
            << QByteArray(Heading).replace(',', ';') + "\"Elbow\";Pipe;1,25;3,99;7;0;12;0;0\r\n"
            << "Elbow";
        QTest::newRow("columns moved, blank rows")
            << QByteArray("Category,Description,Price,Cost,Discount Price,On Hand,Discount "
                          "Quantity,Reorder Level,Reorder Amount\r\n"
                          "Pipe,Elbow,3.99,1.25,,7,12.0,0,0\r\n,,,,,,,,\r\n\r\n")
            << "Elbow";
        QTest::newRow("Windows-1252")
            << Heading + "\"Elb\xF6w\xA0\",Pipe,1.250000001,3.99,7,0,12,0,0\r\n"
            << QString::fromUtf8("Elb\u00f6w\u00a0");
    }
    void spreadsheetForms() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, description);
        QString error;
        const std::optional<ItemImport> plan = PlanItemImport(csv, {}, &error);
        QVERIFY2(plan, qPrintable(error));
        QCOMPARE(plan->Added, 1);
        QCOMPARE(plan->Items.at(0).Item, Item(description, "Pipe"));
    }

    void refusedRowsByLine() {
        const QByteArray csv = Heading +
                               "Elbow,Pipe,abc,1,1,0,0,0,0\r\n"              // line 2
                               "\"Two\r\nlines\",Pipe,1,1,40000,0,0,0,0\r\n" // lines 3-4
                               + QByteArray(51, 'x') +
                               ",Pipe,1,1,1,0,0,0,0\r\n"     // line 5
                               ",Pipe,1,1,1,0,0,0,0\r\n"     // line 6
                               "Tee,Pipe,1,1,1,0,0,0,0\r\n"; // line 7, taken
        QString error;
        const std::optional<ItemImport> plan = PlanItemImport(csv, {Item("Tee", "Pipe")}, &error);
        QVERIFY2(plan, qPrintable(error));
        QCOMPARE(plan->Updated, 1);
        QCOMPARE(plan->Added, 0);
        QCOMPARE(
            Refusals(*plan),
            QStringList({"2: the cost \"abc\" is not an amount",
                         "3: the on-hand count \"40000\" is not a whole number from 0 to 32767",
                         "5: the description is longer than 50 characters",
                         "6: the description is empty"}));
    }

    void fullFileTakesNoMore() {
        const std::vector<ItemRecord> current(MaxItemRecords - 1, Item("Part", "Bin"));
        QString error;
        const std::optional<ItemImport> plan = PlanItemImport(
            Heading +
                "New 1,Bin,1,1,1,0,0,0,0\r\nNew 2,Bin,1,1,1,0,0,0,0\r\nPart,Bin,1,1,1,0,0,0,0\r\n",
            current, &error);
        QCOMPARE(plan->Added, 1);
        QCOMPARE(plan->Updated, 1); // a row naming an item there still updates it
        QCOMPARE(int(plan->Items.size()), int(MaxItemRecords));
        QCOMPARE(Refusals(*plan),
                 QStringList("3: the items file is full: it holds at most 32,767 items"));
    }

    void notAnItemsFile() {
        QString error;
        QVERIFY(!PlanItemImport("Name,Phone\r\nAce,555\r\n", {}, &error));
        QVERIFY(error.startsWith("The first row of the file must name its columns: Description,"));
    }
};

QTEST_GUILESS_MAIN(TestItemCsv)
#include "tst_itemcsv.moc"
